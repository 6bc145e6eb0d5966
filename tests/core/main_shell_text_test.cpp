#include <gtest/gtest.h>

#include "main/shell_text.h"
#include "util/text.h"

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
