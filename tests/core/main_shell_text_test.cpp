#include <gtest/gtest.h>

#include <cstring>

#include "main/shell_text.h"
#include "util/text.h"

namespace {
uint32_t read32(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);  // little-endian host, as Windows
    return v;
}
}  // namespace

TEST(BalloonText, CutsInUtf16Units) {
    struct Case {
        std::string title, body;
        size_t title_units, body_units;
    };
    const std::string astral = "\xF0\x9F\x98\x80";  // two units
    const Case cases[] = {
        {std::string(80, 'T'), std::string(300, 'b'), 63, 255},
        {std::string(63, 'T'), std::string(255, 'b'), 63, 255},
        {std::string(62, 'T') + astral, std::string(254, 'b') + astral, 62, 254},  // no half pair
        {"\xE4\xB8\xAD", "x", 1, 1},
    };
    for (const Case& c : cases) {
        const BalloonText t = balloon_text(c.title, c.body);
        EXPECT_EQ(t.title.size(), c.title_units);
        EXPECT_EQ(t.body.size(), c.body_units);
    }
    EXPECT_EQ(tray_tip_text(std::string(200, 'x')).size(), 127u);
}

TEST(BalloonText, EmptyBodyStillShows) {
    EXPECT_EQ(balloon_text("Ormick Oxel", "").body, u" ");
    EXPECT_EQ(balloon_log_line(balloon_text("Recording saved", "C:\\a.mp4\nok")),
              "balloon: Recording saved | C:\\a.mp4\\nok");
}

TEST(HotkeyPlaceholders, CapThenPin) {
    EXPECT_EQ(fill_hotkey_placeholders_with("{cap} to capture, {pin} to pin; {cap}", "F1", "\xE2\x80\x94"),
              "F1 to capture, \xE2\x80\x94 to pin; F1");
    // A replacement is not scanned again for the other placeholder's name.
    EXPECT_EQ(fill_hotkey_placeholders_with("{cap}|{pin}", "{pin}", "X"), "X|X");
    EXPECT_EQ(hotkey_text_or_dash(std::nullopt), "\xE2\x80\x94");
    EXPECT_EQ(hotkey_text_or_dash(parse_hotkey("ctrl+a")), "Ctrl+A");
}

TEST(HotkeyInUse, JoinsFailedKeysInOrder) {
    const std::string text = hotkey_in_use_text({"F1", "Ctrl+Shift+A"});
    EXPECT_EQ(text.rfind("F1, Ctrl+Shift+A is used by another program", 0), 0u);
    EXPECT_EQ(text.find("{keys}"), std::string::npos);
}

TEST(HotkeyPlan, TheFirstOfTwoOnOneKeyIsRegistered) {
    Settings s = default_settings();
    s.pin_hotkey = parse_hotkey("F7");
    s.capture_copy_hotkey = parse_hotkey("f7");
    HotkeyPlan plan = plan_hotkeys(s);
    ASSERT_EQ(plan.to_register.size(), 2u);
    EXPECT_EQ(plan.to_register[1].role, HotkeyRole::Pin);
    EXPECT_EQ(plan.clashes, (std::vector<HotkeyClash>{{HotkeyRole::Pin, HotkeyRole::CaptureCopy, "F7"}}));
    s.capture_copy_hotkey = parse_hotkey("Shift+F7");  // another combination of the same key
    EXPECT_TRUE(plan_hotkeys(s).clashes.empty());
}

TEST(SettingsNotice, EveryProblemInOneBalloon) {
    const std::string in_use = hotkey_in_use_text({"F1"});
    const std::string not_a_key =
        replace_all(replace_all(ui_text(HOTKEY_NOT_A_KEY), "{name}", "pin_hotkey"), "{keys}", "F99");
    const std::string same = replace_all(replace_all(replace_all(ui_text(HOTKEY_SAME_KEY), "{name}", "Capture"),
                                                     "{other}", "Pin clipboard image"), "{keys}", "F3");
    const HotkeyReport clash{{}, {{HotkeyRole::Capture, HotkeyRole::Pin, "F3"}}, {}};
    const HotkeyReport all{{{"pin_hotkey", "F99"}}, clash.clashes, {"F1"}};
    const std::string long_error(400, 'e');
    struct Case {
        std::optional<std::string> read_error;
        HotkeyReport report;
        std::optional<std::string> title, body;
    };
    const Case cases[] = {
        {std::nullopt, {}, std::nullopt, std::nullopt},
        {std::nullopt, {{}, {}, {"F1"}}, ui_text(BALLOON_HOTKEY_IN_USE_TITLE), in_use},
        {std::nullopt, clash, ui_text(HOTKEY_PROBLEM_TITLE), same},
        {std::nullopt, all, ui_text(HOTKEY_PROBLEM_TITLE), not_a_key + "\n" + same + "\n" + in_use},
        {"C:\\s.ini: denied", {{}, {}, {"F1"}}, ui_text(SETTINGS_READ_FAILED), "C:\\s.ini: denied\n" + in_use},
        {"C:\\s.ini: denied", {}, ui_text(SETTINGS_READ_FAILED), "C:\\s.ini: denied"},
    };
    for (const Case& c : cases) {
        const std::optional<Notice> n = settings_notice(c.read_error, c.report);
        ASSERT_EQ(n.has_value(), c.title.has_value());
        if (!n) continue;
        EXPECT_EQ(n->title, *c.title);
        EXPECT_EQ(n->body, *c.body);
    }
    // A long message of the file is cut so that the hotkey line still fits the balloon.
    const std::optional<Notice> n = settings_notice(long_error, {{}, {}, {"F1"}});
    ASSERT_TRUE(n);
    EXPECT_LE(utf8_to_utf16(n->body).size(), BALLOON_BODY_UNITS);
    EXPECT_EQ(n->body.substr(n->body.size() - in_use.size()), in_use);
}

TEST(Dropfiles, HeaderPathAndDoubleNul) {
    const std::u16string path = u"C:\\Videos\\Ormick_20240101_120000.mp4";
    const auto block = build_dropfiles(path);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 20 + 2 * (path.size() + 2));
    EXPECT_EQ(read32(*block, 0), 20u);  // pFiles
    EXPECT_EQ(read32(*block, 4), 0u);   // pt.x
    EXPECT_EQ(read32(*block, 8), 0u);   // pt.y
    EXPECT_EQ(read32(*block, 12), 0u);  // fNC
    EXPECT_EQ(read32(*block, 16), 1u);  // fWide
    std::u16string stored(path.size(), u'\0');
    std::memcpy(stored.data(), block->data() + 20, 2 * path.size());
    EXPECT_EQ(stored, path);
    for (size_t i = block->size() - 4; i < block->size(); ++i) EXPECT_EQ((*block)[i], 0) << i;
}

TEST(Dropfiles, NoBlockForAPathThatIsNoFileList) {
    EXPECT_FALSE(build_dropfiles(u""));
    EXPECT_FALSE(build_dropfiles(std::u16string(u"C:\\a\0b.mp4", 10)));
}

TEST(RecordSavedBody, MentionsTheClipboardOnlyWhenTheFileIsThere) {
    EXPECT_EQ(record_saved_body("C:\\v.mp4", true), "C:\\v.mp4\nThe file is on the clipboard, ready to paste");
    EXPECT_EQ(record_saved_body("C:\\v.mp4", false), "C:\\v.mp4");
}

TEST(OcrDoneLogLine, CountsCodePointsAndEscapesErrors) {
    struct Case {
        OcrTextResult result;
        std::string line;
    };
    const Case cases[] = {
        {OcrText{"abc", "abc"}, "ocr done: Ok(3)"},
        {OcrText{"\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80", ""}, "ocr done: Ok(4)"},
        {OcrText{"", ""}, "ocr done: Ok(0)"},
        {make_error("Class not registered"), "ocr done: Err(\"Class not registered\")"},
        {make_error("a \"b\" c:\\d\n\t\x01"), "ocr done: Err(\"a \\\"b\\\" c:\\\\d\\n\\t\\u{1}\")"},
    };
    for (const Case& c : cases) EXPECT_EQ(ocr_done_log_line(c.result), c.line);
}

TEST(JoinQrTexts, OneEmptyLineBetweenCodes) {
    EXPECT_EQ(join_qr_texts({"one"}), "one");
    EXPECT_EQ(join_qr_texts({"one", "two\nlines", "three"}), "one\n\ntwo\nlines\n\nthree");
    EXPECT_EQ(join_qr_texts({}), "");
}
