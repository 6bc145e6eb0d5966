#include <gtest/gtest.h>

#include <functional>

#include "settings/settings.h"

namespace {

struct LoadCase {
    std::string_view text;
    std::function<void(Settings&)> change;  // applied to the defaults to give the expected record
};

void expect_loads(const std::vector<LoadCase>& cases) {
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text: \"" << c.text << "\"");
        Settings expected = default_settings();
        if (c.change) c.change(expected);
        EXPECT_EQ(parse_settings_text(c.text), expected);
    }
}

HotkeySetting hk(std::string text, uint32_t mods, uint32_t vk) { return {std::move(text), mods, vk}; }

TEST(SettingsDefaults, MatchTheDocumentedValues) {
    const Settings s = default_settings();
    EXPECT_EQ(s.capture_hotkey, hk("F1", 0, 0x70));
    EXPECT_EQ(s.pin_hotkey, hk("F3", 0, 0x72));
    EXPECT_FALSE(s.capture_copy_hotkey);
    EXPECT_FALSE(s.save_dir);
    EXPECT_EQ(s.capture_engine, CaptureEngine::Dxgi);
    EXPECT_EQ(s.capture_detect, CaptureDetect::Element);
    EXPECT_EQ(s.history, 30u);
    EXPECT_EQ(s.record_format, RecordFormat::Mp4);
    EXPECT_EQ(s.record_fps, 30u);
    EXPECT_TRUE(s.record_cursor);
    EXPECT_EQ(s.translate_to, "");
    EXPECT_EQ(s.translate_url, DEFAULT_TRANSLATE_URL);
    EXPECT_EQ(s.ocr_lang, "");
    // Before the first load the cell holds the empty record, which differs from the defaults.
    EXPECT_EQ(Settings{}.capture_detect, CaptureDetect::Window);
    EXPECT_NE(Settings{}, s);
}

TEST(SettingsLoad, Numbers) {
    expect_loads({
        {"history=700", [](Settings& s) { s.history = 500; }},
        {"history=500", [](Settings& s) { s.history = 500; }},
        {"history=-5", nullptr},
        {"history=abc", nullptr},
        {"history=", nullptr},
        {"history=+12", [](Settings& s) { s.history = 12; }},
        {"history=++12", nullptr},
        {"history=12 ; keep", nullptr},  // read before the inline comment is cut
        {"history=0", [](Settings& s) { s.history = 0; }},
        {"history=007", [](Settings& s) { s.history = 7; }},
        {"history=0x10", nullptr},
        {"history=18446744073709551615", [](Settings& s) { s.history = 500; }},
        {"history=18446744073709551616", nullptr},
        {"record_fps=0", [](Settings& s) { s.record_fps = 1; }},
        {"record_fps=90", [](Settings& s) { s.record_fps = 60; }},
        {"record_fps=15 ; gif", [](Settings& s) { s.record_fps = 15; }},
        {"record_fps=+24", [](Settings& s) { s.record_fps = 24; }},
        {"record_fps=-1", nullptr},
        {"record_fps=", nullptr},
        {"record_fps=4294967295", [](Settings& s) { s.record_fps = 60; }},
        {"record_fps=4294967296", nullptr},  // overflow is malformed, not "too many"
    });
}

TEST(SettingsLoad, ChoicesAndFlags) {
    expect_loads({
        {"capture_engine=GDI", [](Settings& s) { s.capture_engine = CaptureEngine::Gdi; }},
        {"capture_engine=gdi ; low memory", nullptr},  // raw text
        {"capture_engine=gdi2", nullptr},
        {"capture_detect=Windows", [](Settings& s) { s.capture_detect = CaptureDetect::Window; }},
        {"capture_detect=window ; tab", [](Settings& s) { s.capture_detect = CaptureDetect::Window; }},
        {"capture_detect=whole", nullptr},
        {"capture_detect=element", nullptr},
        {"record_format=GIF", [](Settings& s) { s.record_format = RecordFormat::Gif; }},
        {"record_format=gif ; small", [](Settings& s) { s.record_format = RecordFormat::Gif; }},
        {"record_format=webm", nullptr},
        {"record_cursor=", nullptr},
        {"record_cursor=no", nullptr},
        {"record_cursor=1", nullptr},
        {"record_cursor=00", nullptr},
        {"record_cursor=FALSE", [](Settings& s) { s.record_cursor = false; }},
        {"record_cursor=0", [](Settings& s) { s.record_cursor = false; }},
        {"record_cursor=0 ; hide", [](Settings& s) { s.record_cursor = false; }},
        {"record_cursor=false ; hide", [](Settings& s) { s.record_cursor = false; }},
    });
}

TEST(SettingsLoad, TextsAndFolders) {
    expect_loads({
        {"translate_to=de ; German", [](Settings& s) { s.translate_to = "de"; }},
        {"translate_to=", nullptr},
        {"ocr_lang=ko-KR", [](Settings& s) { s.ocr_lang = "ko-KR"; }},
        {"ocr_lang=ja\nocr_lang=", nullptr},
        {"translate_url=https://example.org/?q=x", nullptr},
        {"translate_url=https://t.example/?q={text};x=1",
         [](Settings& s) { s.translate_url = "https://t.example/?q={text};x=1"; }},
        {"translate_url=https://a/{text}\ntranslate_url=https://b/",
         [](Settings& s) { s.translate_url = "https://a/{text}"; }},
        {"save_dir=D:\\Shots\nsave_dir=", [](Settings& s) { s.save_dir = "D:\\Shots"; }},
        {"save_dir=C:\\a;b", [](Settings& s) { s.save_dir = "C:\\a;b"; }},
        {"save_dir=C:\\a\nsave_dir=E:\\b", [](Settings& s) { s.save_dir = "E:\\b"; }},
    });
}

TEST(SettingsLoad, Hotkeys) {
    expect_loads({
        {"capture_hotkey=", [](Settings& s) { s.capture_hotkey.reset(); }},
        {"capture_hotkey=ctrl + shift + a",
         [](Settings& s) { s.capture_hotkey = hk("Ctrl+Shift+A", 6, 0x41); }},
        {"pin_hotkey=A+Ctrl", [](Settings& s) { s.pin_hotkey = hk("Ctrl+A", 2, 0x41); }},
        {"pin_hotkey=Ctrl+Esc", [](Settings& s) {
             s.pin_hotkey.reset();
             s.unread_hotkeys = {{"pin_hotkey", "Ctrl+Esc"}};
         }},
        {"capture_hotkey=F2\ncapture_hotkey=nonsense", [](Settings& s) {
             s.capture_hotkey.reset();
             s.unread_hotkeys = {{"capture_hotkey", "nonsense"}};
         }},
        // Texts that name no key are kept to be named, in the order of the hotkeys, cut short.
        {"capture_copy_hotkey=F99\npin_hotkey=F7\nCAPTURE_HOTKEY=Ctrl+Alt+Shift+Win+Banana", [](Settings& s) {
             s.capture_hotkey.reset();
             s.pin_hotkey = hk("F7", 0, 0x76);
             s.unread_hotkeys = {{"capture_hotkey", "Ctrl+Alt+Shift+Win+Banana"}, {"capture_copy_hotkey", "F99"}};
         }},
        {"pin_hotkey=" + std::string(1 << 20, 'x'), [](Settings& s) {
             s.pin_hotkey.reset();
             s.unread_hotkeys = {{"pin_hotkey", std::string(40, 'x') + "\xE2\x80\xA6"}};
         }},
        {"capture_hotkey=nonsense\ncapture_hotkey=F2",
         [](Settings& s) { s.capture_hotkey = hk("F2", 0, 0x71); }},
        {"capture_copy_hotkey=Ctrl+;",
         [](Settings& s) { s.capture_copy_hotkey = hk("Ctrl+;", 2, 0xBA); }},
        {"capture_copy_hotkey=Shift+~",
         [](Settings& s) { s.capture_copy_hotkey = hk("Shift+`", 4, 0xC0); }},
        {"capture_copy_hotkey=F5\ncapture_copy_hotkey=", nullptr},
    });
}

TEST(SettingsLoad, FileForm) {
    const auto history_5 = [](Settings& s) { s.history = 5; };
    expect_loads({
        {"", nullptr},
        {"\xEF\xBB\xBF\xEF\xBB\xBFhistory=5", history_5},
        {"history=5\r\nrecord_fps=7\r\n", [](Settings& s) { s.history = 5; s.record_fps = 7; }},
        {"history=5\r", history_5},
        {"  HISTORY  =  5  ", history_5},
        {"History=5", history_5},
        {"\t\xC2\xA0history=5\xE3\x80\x80", history_5},  // NBSP and ideographic space trim
        {"; history=5", nullptr},
        {"  # history=5", nullptr},
        {"history 5", nullptr},
        {"=5", nullptr},
        {"nothing=5", nullptr},
        {"history=5=6", nullptr},
        {"history=5\n\xEF\xBB\xBFhistory=7", history_5},  // U+FEFF only counts at the start
        {"history=1\nhistory=5", history_5},
        // Not UTF-8 as a whole (a stray byte, or UTF-16 from an editor): every key its default.
        {"history=5\nocr_lang=\xFF", nullptr},
        {std::string_view("\xFF\xFEh\0i\0s\0", 8), nullptr},
    });
}

}  // namespace
