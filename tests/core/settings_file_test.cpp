#include <gtest/gtest.h>

#include "settings/settings.h"
#include "util/text.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string crlf(std::string_view lf_text) { return replace_all(lf_text, "\n", "\r\n"); }

TEST(SettingsTemplate, LineByLine) {
    const std::string url_line = std::string("translate_url=") + DEFAULT_TRANSLATE_URL;
    const std::string expected[] = {
        "; Ormick Oxel settings / 設定",
        "; Hotkey examples / 快捷鍵範例: F1, Ctrl+Shift+A, Alt+PrintScreen   (empty = disabled / 留空 = 停用)",
        "; After editing, choose \"Reload settings\" in the tray menu / 修改後在系統匣選「重新載入設定」",
        "capture_hotkey=F1",
        "pin_hotkey=F3",
        "; Default save folder (empty = Pictures) / 存檔資料夾（留空 = 圖片資料夾）",
        "save_dir=",
        "; Capture engine / 抓圖方式: dxgi = fastest, keeps the GPU driver loaded (~35 MB RAM) / 最快，常駐多約 35 MB",
        ";" + std::string(28, ' ') + "gdi  = ~3 MB RAM, each capture ~60 ms slower / 省記憶體，每次截圖慢約 60 ms",
        "capture_engine=dxgi",
        "; What the cursor frames when capturing / 截圖時滑鼠停留自動框選: window = whole windows / 整個視窗,",
        ";   element = UI elements inside them / 視窗裡的 UI 元素   (Tab switches and is remembered / 截圖時按 Tab 切換，會記住)",
        "capture_detect=element",
        "; Capture-and-copy hotkey (copies as soon as you pick a region) / 截圖並直接複製的快捷鍵",
        "capture_copy_hotkey=",
        "; Recent captures kept in %LOCALAPPDATA%\\Ormick Oxel\\History (0 = off) / 保留最近幾張截圖（0 = 不保留）",
        "history=30",
        "; Screen recording / 錄影: mp4 or gif, frames per second (GIF at most 15), draw the mouse pointer (1/0)",
        "record_format=mp4",
        "record_fps=30",
        "record_cursor=1",
        "; Translate (OCR window) / 翻譯: target language (empty = UI language) and the page to open",
        "translate_to=",
        url_line,
        "; Text recognition language, e.g. ko-KR (empty = all installed; chosen in the OCR window) / 文字辨識語言（留空 = 自動）",
        "ocr_lang=",
    };
    std::string joined;
    for (const std::string& line : expected) joined += line + "\n";
    EXPECT_EQ(SETTINGS_TEMPLATE, joined);
    EXPECT_EQ(SETTINGS_TEMPLATE.find('\r'), std::string_view::npos);
    EXPECT_TRUE(is_valid_utf8(SETTINGS_TEMPLATE));
}

TEST(SettingsTemplate, DefaultPageAndLength) {
    const std::string_view url = DEFAULT_TRANSLATE_URL;
    const std::string_view scheme = "https://";
    const std::string_view rest = "/?sl=auto&tl={to}&text={text}&op=translate";
    ASSERT_TRUE(starts_with(url, scheme));
    ASSERT_GT(url.size(), scheme.size() + rest.size());
    EXPECT_EQ(url.substr(url.size() - rest.size()), rest);
    const std::string_view host = url.substr(scheme.size(), url.size() - scheme.size() - rest.size());
    EXPECT_EQ(host.find_first_of("/?#@:"), std::string_view::npos);
    EXPECT_EQ(host.size(), 20u);
    EXPECT_EQ(SETTINGS_TEMPLATE.size(), 1632u + host.size());
    EXPECT_EQ(SETTINGS_TEMPLATE.size(), 1652u);
}

TEST(SettingsTemplate, LoadsAsTheDefaults) {
    EXPECT_EQ(parse_settings_text(SETTINGS_TEMPLATE), default_settings());
    EXPECT_EQ(parse_settings_text(update_settings_text(std::nullopt, {})), default_settings());
}

TEST(SettingsUpdate, MissingFileStartsFromTheTemplate) {
    const std::string out =
        update_settings_text(std::nullopt, {{"history", "12"}, {"capture_detect", "window"}});
    std::string expected(SETTINGS_TEMPLATE);
    expected = replace_all(expected, "\nhistory=30\n", "\nhistory=12\n");
    expected = replace_all(expected, "\ncapture_detect=element\n", "\ncapture_detect=window\n");
    EXPECT_EQ(out, crlf(expected));
    for (size_t i = out.find('\n'); i != std::string::npos; i = out.find('\n', i + 1))
        ASSERT_EQ(out[i - 1], '\r') << "bare LF at " << i;
    EXPECT_EQ(out.find("\xEF\xBB\xBF"), std::string::npos);
}

struct UpdateCase {
    const char* what;
    std::optional<std::string> old_text;
    Pairs pairs;
    std::string expected;
};

TEST(SettingsUpdate, InPlace) {
    const UpdateCase cases[] = {
        {"comments, blanks and unknown keys stay; missing key goes after the last non-blank line",
         "\xEF\xBB\xBF\xEF\xBB\xBF; mine\n  History = 5  \n\n# history=9\nunknown=1\n; end\n\n  \n\r\n",
         {{"history", "12"}, {"ocr_lang", "ko-KR"}},
         "; mine\r\nhistory=12\r\n\r\n# history=9\r\nunknown=1\r\n; end\r\nocr_lang=ko-KR\r\n"},
        {"every duplicate line is rewritten", "history=5\nx=1\nHISTORY=6\n", {{"history", "7"}},
         "history=7\r\nx=1\r\nhistory=7\r\n"},
        {"CR LF lines and a last line without a line end", "a=1\r\nb=2", {{"b", "3"}},
         "a=1\r\nb=3\r\n"},
        {"a CR inside a line is kept", "a=x\ry\nb=2\n", {}, "a=x\ry\r\nb=2\r\n"},
        {"empty file", "", {{"k", "v"}}, "k=v\r\n"},
        {"empty file, nothing to set", "", {}, ""},
        {"the later pair of one key wins and is appended once", "a=1\n",
         {{"k", "1"}, {"k", "2"}}, "a=1\r\nk=2\r\n"},
        {"CR and LF in a value cannot start a new line", "",
         {{"translate_to", "de\r\nhistory=0\n"}}, "translate_to=dehistory=0\r\n"},
        {"invalid UTF-8 in a value is replaced", "", {{"ocr_lang", "a\xFF"}},
         "ocr_lang=a\xEF\xBF\xBD\r\n"},
        {"keys that could not be found again are skipped", "a=1\n",
         {{"", "x"}, {" a", "2"}, {"a=b", "3"}, {"; a", "4"}, {"#a", "5"}, {"a\nb", "6"}},
         "a=1\r\n"},
        {"a key starting with U+FEFF would be read back without it, as the first line of a new file", "",
         {{"\xEF\xBB\xBF" "capture_hotkey", "F9"}}, ""},
        {"a key that is not UTF-8 would make the whole file unreadable", "history=5\n",
         {{"k\xFF", "1"}}, "history=5\r\n"},
        {"key with an empty value, line without '=' kept", "history\nhistory=\n", {{"history", "3"}},
         "history\r\nhistory=3\r\n"},
    };
    for (const UpdateCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(update_settings_text(c.old_text, c.pairs), c.expected);
    }
}

TEST(SettingsUpdate, KeysThatCannotBeReadBackAreRefused) {
    EXPECT_TRUE(settings_key_is_valid("capture_hotkey"));
    EXPECT_TRUE(settings_key_is_valid("k\xEF\xBB\xBF"));  // only the start is stripped by the loader
    EXPECT_FALSE(settings_key_is_valid("\xEF\xBB\xBF" "capture_hotkey"));
    EXPECT_FALSE(settings_key_is_valid("\xEF\xBB\xBF"));
    EXPECT_FALSE(settings_key_is_valid("k\xC3"));
    // Written over an empty file, the key would have been the file's first line.
    const Settings s = parse_settings_text(update_settings_text(std::string(), {{"\xEF\xBB\xBF" "capture_hotkey", "F9"}}));
    EXPECT_EQ(s.capture_hotkey, parse_hotkey("F1"));
}

TEST(SettingsUpdate, SavedValuesLoadBack) {
    // The settings window's keys, each written over a file that already holds them twice.
    std::string old = std::string(SETTINGS_TEMPLATE) + "history=3\nrecord_fps=5\nocr_lang=fr\n";
    const Pairs pairs = {
        {"capture_hotkey", "Ctrl+Shift+A"}, {"pin_hotkey", ""},
        {"capture_copy_hotkey", "Alt+F2"},  {"save_dir", "D:\\Shots"},
        {"capture_engine", "gdi"},          {"capture_detect", "window"},
        {"history", "12"},                  {"record_format", "gif"},
        {"record_fps", "15"},               {"record_cursor", "0"},
        {"translate_to", "de"},             {"ocr_lang", "ko-KR"},
    };
    const Settings s = parse_settings_text(update_settings_text(old, pairs));
    // What a window puts into the settings in force is what the next load reads.
    Settings applied = parse_settings_text(old);
    apply_setting_pairs(applied, pairs);
    EXPECT_EQ(applied, s);
    apply_setting_pairs(applied, {{"pin_hotkey", "Banana"}, {"capture_hotkey", " F2 ; x"}, {"unknown", "1"}});
    EXPECT_EQ(applied.unread_hotkeys, (std::vector<UnreadHotkey>{{"capture_hotkey", "F2 ; x"}, {"pin_hotkey", "Banana"}}));
    apply_setting_pairs(applied, {{"pin_hotkey", ""}});
    EXPECT_EQ(applied.unread_hotkeys, (std::vector<UnreadHotkey>{{"capture_hotkey", "F2 ; x"}}));
    EXPECT_EQ(s.capture_hotkey, (HotkeySetting{"Ctrl+Shift+A", 6, 0x41}));
    EXPECT_FALSE(s.pin_hotkey);
    EXPECT_EQ(s.capture_copy_hotkey, (HotkeySetting{"Alt+F2", 1, 0x71}));
    EXPECT_EQ(s.save_dir, "D:\\Shots");
    EXPECT_EQ(s.capture_engine, CaptureEngine::Gdi);
    EXPECT_EQ(s.capture_detect, CaptureDetect::Window);
    EXPECT_EQ(s.history, 12u);
    EXPECT_EQ(s.record_format, RecordFormat::Gif);
    EXPECT_EQ(s.record_fps, 15u);
    EXPECT_FALSE(s.record_cursor);
    EXPECT_EQ(s.translate_to, "de");
    EXPECT_EQ(s.ocr_lang, "ko-KR");
}

}  // namespace
