#include "strings/tables.h"

// Traditional Chinese.
const UiStrings UI_STRINGS_ZH_TW = {{
    "Microsoft JhengHei UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} 擷取 · {pin} 釘選",  // TRAY_TOOLTIP
    "擷取畫面",  // MENU_CAPTURE
    "釘選剪貼簿圖片",  // MENU_PIN_CLIPBOARD
    "顯示/隱藏所有釘選圖片",  // MENU_SHOW_HIDE_PINS
    "關閉所有釘選圖片",  // MENU_CLOSE_ALL_PINS
    "還原上次關閉的釘選圖片",  // MENU_RESTORE_CLOSED_PIN
    "隨 Windows 啟動",  // MENU_START_WITH_WINDOWS
    "設定…",  // MENU_SETTINGS
    "重新載入設定",  // MENU_RELOAD_SETTINGS
    "開啟螢幕擷取畫面資料夾",  // MENU_OPEN_SCREENSHOT_FOLDER
    "結束",  // MENU_EXIT
    "釘選",  // TOOLBAR_PIN
    "儲存",  // TOOLBAR_SAVE
    "複製",  // TOOLBAR_COPY
    "取消",  // TOOLBAR_CANCEL
    "C 複製 · Shift 切換格式",  // MAGNIFIER_HINT
    "複製\tCtrl+C",  // PIN_MENU_COPY
    "另存新檔…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "實際大小\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "不透明度",  // PIN_MENU_OPACITY
    "關閉\tEsc",  // PIN_MENU_CLOSE
    "關閉所有釘選圖片",  // PIN_MENU_CLOSE_ALL
    "不透明度",  // OPACITY_CAPTION
    "Ormick Oxel 正在執行",  // BALLOON_RUNNING_TITLE
    "按 {cap} 擷取畫面，按 {pin} 釘選剪貼簿圖片。以滑鼠右鍵按一下通知區域圖示即可開啟功能表。",  // BALLOON_RUNNING_TEXT
    "快速鍵已被占用",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} 已被其他程式使用（例如其他截圖工具）。請關閉該程式，然後在通知區域功能表中選擇「重新載入設定」，或在設定中改用其他按鍵。",  // BALLOON_HOTKEY_IN_USE_TEXT
    "剪貼簿中沒有圖片",  // NO_IMAGE_ON_CLIPBOARD
    "已儲存",  // SAVED
    "儲存失敗",  // SAVE_FAILED
    "PNG 影像 (*.png)",  // FILTER_PNG
    "矩形",  // TOOL_RECTANGLE
    "橢圓形",  // TOOL_ELLIPSE
    "箭頭",  // TOOL_ARROW
    "直線 / 折線",  // TOOL_LINE
    "畫筆",  // TOOL_PEN
    "螢光筆",  // TOOL_HIGHLIGHTER
    "馬賽克",  // TOOL_MOSAIC
    "文字",  // TOOL_TEXT
    "編號",  // TOOL_NUMBER
    "聚光燈",  // TOOL_SPOTLIGHT
    "橡皮擦",  // TOOL_ERASER
    "復原",  // TOOL_UNDO
    "重做",  // TOOL_REDO
    "完成",  // TOOL_DONE
    "自訂色彩",  // TOOL_CUSTOM_COLOR
    "填滿",  // STYLE_FILL
    "框選",  // STYLE_BOX
    "模糊",  // STYLE_BLUR
    "外框",  // STYLE_OUTLINE
    "要捨棄您的標註嗎？",  // CONFIRM_DISCARD_ANNOTATIONS
    "標註\t空白鍵",  // PIN_MENU_ANNOTATE
    "隱藏標註",  // PIN_MENU_HIDE_ANNOTATIONS
    "顯示標註",  // PIN_MENU_SHOW_ANNOTATIONS
    "辨識文字",  // TOOLBAR_RECOGNIZE_TEXT
    "辨識的文字 — Ormick Oxel",  // OCR_WINDOW_TITLE
    "複製並關閉",  // OCR_COPY_AND_CLOSE
    "關閉",  // OCR_CLOSE
    "保留換行",  // OCR_KEEP_LINE_BREAKS
    "找不到文字",  // OCR_NO_TEXT
    "文字辨識失敗",  // OCR_FAILED
    "辨識文字\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "影像",  // PIN_MENU_IMAGE
    "向左旋轉",  // PIN_MENU_ROTATE_LEFT
    "向右旋轉",  // PIN_MENU_ROTATE_RIGHT
    "水平翻轉",  // PIN_MENU_FLIP_H
    "垂直翻轉",  // PIN_MENU_FLIP_V
    "灰階",  // PIN_MENU_GRAYSCALE
    "反轉色彩",  // PIN_MENU_INVERT
    "縮圖\tShift+按兩下",  // PIN_MENU_THUMBNAIL
    "鎖定位置和大小",  // PIN_MENU_LOCK
    "滑鼠穿透",  // PIN_MENU_CLICK_THROUGH
    "列印…",  // PIN_MENU_PRINT
    "3 秒後擷取",  // MENU_CAPTURE_DELAYED
    "擷取並複製",  // MENU_CAPTURE_COPY
    "歷程記錄",  // MENU_HISTORY
    "釘選上次擷取的畫面",  // MENU_PIN_LAST_CAPTURE
    "開啟歷程記錄資料夾",  // MENU_OPEN_HISTORY_FOLDER
    "關閉所有釘選圖片的滑鼠穿透",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG 影像 (*.jpg)",  // FILTER_JPEG
    "PDF 文件 (*.pdf)",  // FILTER_PDF
    "尚無擷取歷程記錄",  // HISTORY_EMPTY
    "元素",  // DETECT_ELEMENT_LABEL
    "zh-TW",  // LANG_CODE
    "捲動擷取",  // TOOLBAR_SCROLL_CAPTURE
    "錄製",  // TOOLBAR_RECORD
    "QR 圖碼",  // TOOLBAR_QR
    "隱藏個人資料",  // TOOLBAR_REDACT
    "找不到個人資料（電子郵件、電話、身分證字號、卡號、密碼…）",  // REDACT_NOTHING_FOUND
    "語言",  // OCR_LANGUAGE_LABEL
    "自動（所有已安裝的語言）",  // OCR_LANGUAGE_AUTO
    "新增語言…",  // OCR_ADD_LANGUAGE
    "正在辨識…",  // OCR_RECOGNIZING
    "即時釘選",  // TOOLBAR_LIVE_PIN
    "向下捲動（或按「自動捲動」）",  // SCROLL_HINT
    "自動捲動",  // SCROLL_AUTO
    "正在自動捲動；將滑鼠移開即可停止",  // SCROLL_AUTO_RUNNING
    "已到達底部",  // SCROLL_END_REACHED
    "已達最大長度",  // SCROLL_MAX_LENGTH
    "捲動太快，請稍微往回捲動",  // SCROLL_TOO_FAST
    "已複製捲動擷取畫面",  // SCROLL_COPIED
    "錄製中",  // RECORD_RECORDING
    "■ 停止",  // RECORD_STOP_BUTTON
    "錄製內容已儲存",  // RECORD_SAVED
    "檔案已在剪貼簿中，可直接貼上",  // RECORD_ON_CLIPBOARD
    "錄製失敗",  // RECORD_FAILED
    "停止錄製",  // MENU_STOP_RECORDING
    "QR 圖碼 — Ormick Oxel",  // QR_WINDOW_TITLE
    "找不到 QR 圖碼",  // QR_NOT_FOUND
    "開啟連結",  // OPEN_LINK
    "翻譯",  // TRANSLATE
    "文字太長：已複製，請貼到翻譯頁面",  // TRANSLATE_TEXT_TOO_LONG
    "複製目前畫面\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "轉為一般釘選圖片（停止更新）",  // LIVE_MENU_MAKE_STATIC
    "在視窗內選取一個區域來建立即時釘選",  // LIVE_PIN_HINT
    "Ormick Oxel 設定",  // PREFS_TITLE
    "快速鍵",  // PREFS_HOTKEYS
    "按一下方塊，然後按下新的按鍵組合。按 Backspace 可清除（關閉）。",  // PREFS_HOTKEY_HINT
    "（無）",  // PREFS_HOTKEY_NONE
    "請按下按鍵…",  // PREFS_HOTKEY_PRESS_KEYS
    "已被其他程式使用",  // PREFS_HOTKEY_IN_USE
    "與「{name}」相同",  // PREFS_HOTKEY_SAME_AS
    "請加上 Ctrl、Alt 或 Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "一般",  // PREFS_GENERAL
    "儲存資料夾",  // PREFS_SAVE_FOLDER
    "圖片（預設）",  // PREFS_SAVE_FOLDER_DEFAULT
    "瀏覽…",  // PREFS_BROWSE
    "保留最近的擷取畫面",  // PREFS_HISTORY
    "（0 = 關閉）",  // PREFS_HISTORY_OFF_HINT
    "低記憶體擷取（GDI：少用約 30 MB 記憶體，每次擷取慢約 60 毫秒）",  // PREFS_LOW_MEMORY
    "自動選取",  // PREFS_DETECT_AUTO
    "整個視窗",  // PREFS_DETECT_WINDOWS
    "視窗內的介面元素",  // PREFS_DETECT_ELEMENTS
    "按 Tab 切換",  // PREFS_DETECT_TAB_HINT
    "格式",  // PREFS_RECORD_FORMAT
    "每秒畫面數",  // PREFS_RECORD_FPS
    "（GIF 最多 15）",  // PREFS_RECORD_FPS_HINT
    "錄製滑鼠指標",  // PREFS_RECORD_CURSOR
    "翻譯成",  // PREFS_TRANSLATE_INTO
    "與介面語言相同",  // PREFS_TRANSLATE_SAME_AS_UI
    "編輯設定檔…",  // PREFS_EDIT_FILE
    "未安裝文字辨識語言。請在 Windows 語言設定中新增。",  // OCR_NO_LANGUAGE
    "影像太大，無法進行文字辨識。",  // OCR_IMAGE_TOO_LARGE
    "無法建立即時釘選：{name}",  // LIVE_PIN_FAILED
    "複製失敗",  // COPY_FAILED
    "剪貼簿正被其他程式使用，請再試一次。",  // CLIPBOARD_BUSY
    "無法變更「隨 Windows 啟動」",  // AUTOSTART_FAILED
    "列印失敗",  // PRINT_FAILED
    "無法讀取設定檔",  // SETTINGS_READ_FAILED
    "未錄製到任何影格",  // RECORD_NO_FRAME
    "無法開啟結果視窗",  // RESULT_WINDOW_FAILED
    "文字已在剪貼簿中，可直接貼上",  // TEXT_ON_CLIPBOARD
    "擷取失敗",  // CAPTURE_FAILED
    "記憶體不足，無法保存螢幕影像：請關閉一些程式後再試一次",  // CAPTURE_NO_MEMORY
    "圖片太大，無法釘選（{name}）。最多可釘選 2.68 億像素的圖片。",  // PIN_IMAGE_TOO_LARGE
    "快速鍵無法使用",  // HOTKEY_PROBLEM_TITLE
    "settings.ini 中的 {name}={keys} 不是有效的按鍵組合，此快速鍵已停用。",  // HOTKEY_NOT_A_KEY
    "「{name}」和「{other}」都設為 {keys}，只有「{name}」有效。",  // HOTKEY_SAME_KEY
    "截圖未保存到歷史記錄",  // HISTORY_NOT_KEPT
    "複製、存檔和釘選仍可使用，但在歷史記錄資料夾恢復可寫入之前，截圖不會保存到歷史記錄。",  // HISTORY_NOT_KEPT_TEXT
    "錄製 MP4 需要 Windows Media Foundation，但系統未安裝（Windows N 與 KN 版請新增「媒體功能套件」）。錄製 GIF 不需要它。",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
