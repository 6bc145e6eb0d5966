#include "settings/settings.h"

#define TRANSLATE_PAGE "https://translate.google.com/?sl=auto&tl={to}&text={text}&op=translate"

const char* const DEFAULT_TRANSLATE_URL = TRANSLATE_PAGE;

namespace {
// UTF-8, LF line ends, written byte for byte on first run.
constexpr char TEMPLATE_TEXT[] =
    "; Ormick Oxel settings / 設定\n"
    "; Hotkey examples / 快捷鍵範例: F1, Ctrl+Shift+A, Alt+PrintScreen   (empty = disabled / 留空 = 停用)\n"
    "; After editing, choose \"Reload settings\" in the tray menu / 修改後在系統匣選「重新載入設定」\n"
    "capture_hotkey=F1\n"
    "pin_hotkey=F3\n"
    "; Default save folder (empty = Pictures) / 存檔資料夾（留空 = 圖片資料夾）\n"
    "save_dir=\n"
    "; Capture engine / 抓圖方式: dxgi = fastest, keeps the GPU driver loaded (~35 MB RAM) / 最快，常駐多約 35 MB\n"
    ";                            gdi  = ~3 MB RAM, each capture ~60 ms slower / 省記憶體，每次截圖慢約 60 ms\n"
    "capture_engine=dxgi\n"
    "; What the cursor frames when capturing / 截圖時滑鼠停留自動框選: window = whole windows / 整個視窗,\n"
    ";   element = UI elements inside them / 視窗裡的 UI 元素   (Tab switches and is remembered / 截圖時按 Tab 切換，會記住)\n"
    "capture_detect=element\n"
    "; Capture-and-copy hotkey (copies as soon as you pick a region) / 截圖並直接複製的快捷鍵\n"
    "capture_copy_hotkey=\n"
    "; Recent captures kept in %LOCALAPPDATA%\\Ormick Oxel\\History (0 = off) / 保留最近幾張截圖（0 = 不保留）\n"
    "history=30\n"
    "; Screen recording / 錄影: mp4 or gif, frames per second (GIF at most 15), draw the mouse pointer (1/0)\n"
    "record_format=mp4\n"
    "record_fps=30\n"
    "record_cursor=1\n"
    "; Translate (OCR window) / 翻譯: target language (empty = UI language) and the page to open\n"
    "translate_to=\n"
    "translate_url=" TRANSLATE_PAGE "\n"
    "; Text recognition language, e.g. ko-KR (empty = all installed; chosen in the OCR window) / 文字辨識語言（留空 = 自動）\n"
    "ocr_lang=\n";
}  // namespace

const std::string_view SETTINGS_TEMPLATE(TEMPLATE_TEXT, sizeof TEMPLATE_TEXT - 1);
