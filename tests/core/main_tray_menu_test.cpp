#include <gtest/gtest.h>

#include "main/tray_menu.h"

namespace {

std::optional<HotkeySetting> hotkey(const char* text) { return parse_hotkey(text); }

TrayState default_state() {
    TrayState s;
    s.capture_hotkey = hotkey("F1");
    s.pin_hotkey = hotkey("F3");
    return s;
}

const TrayMenuItem* find(const std::vector<TrayMenuItem>& items, uint32_t id) {
    for (const TrayMenuItem& i : items) {
        if (i.id == id && !i.separator) return &i;
        if (const TrayMenuItem* sub = find(i.submenu, id)) return sub;
    }
    return nullptr;
}

std::vector<uint32_t> ids(const std::vector<TrayMenuItem>& items) {
    std::vector<uint32_t> out;
    for (const TrayMenuItem& i : items) out.push_back(i.separator ? 0xFFFF : i.id);
    return out;
}

constexpr uint32_t SEP = 0xFFFF;

}  // namespace

TEST(TrayMenu, IdleStateWithoutPinsOrHistory) {
    const auto menu = build_tray_menu(default_state());
    EXPECT_EQ(ids(menu), (std::vector<uint32_t>{1, 11, 12, 2, 0, SEP, 3, 4, 5, SEP, 6, 7, 8, 9, SEP, 10}));
    struct Case {
        uint32_t id;
        const char* text;
        bool grayed;
    };
    const Case cases[] = {
        {TRAY_CAPTURE, "Capture\tF1", false},
        {TRAY_CAPTURE_COPY, "Capture and copy", false},
        {TRAY_CAPTURE_DELAYED, "Capture in 3 seconds", false},
        {TRAY_PIN_CLIPBOARD, "Pin clipboard image\tF3", false},
        {TRAY_PIN_LAST_CAPTURE, "Pin last capture", true},
        {TRAY_OPEN_HISTORY_FOLDER, "Open history folder", false},
        {TRAY_SHOW_HIDE_PINS, "Show / hide all pins", true},
        {TRAY_CLOSE_ALL_PINS, "Close all pins", true},
        {TRAY_RESTORE_CLOSED_PIN, "Restore last closed pin", true},
        {TRAY_EXIT, "Exit", false},
    };
    for (const Case& c : cases) {
        const TrayMenuItem* item = find(menu, c.id);
        ASSERT_NE(item, nullptr) << c.id;
        EXPECT_EQ(item->text, c.text);
        EXPECT_EQ(item->grayed, c.grayed) << c.text;
    }
    EXPECT_EQ(find(menu, TRAY_CLICK_THROUGH_OFF_ALL), nullptr);
    EXPECT_EQ(find(menu, TRAY_STOP_RECORDING), nullptr);
    EXPECT_TRUE(find(menu, TRAY_CAPTURE)->is_default);
    EXPECT_EQ(menu[4].text, "History");
    EXPECT_EQ(menu[4].submenu.size(), 2u);
    EXPECT_FALSE(find(menu, TRAY_START_WITH_WINDOWS)->checked);
}

TEST(TrayMenu, StateChangesItsItems) {
    TrayState s = default_state();
    s.any_pin = true;
    s.any_pin_click_through = true;
    s.closed_pins_empty = false;
    s.history_empty = false;
    s.autostart = true;
    const auto menu = build_tray_menu(s);
    for (uint32_t id : {TRAY_SHOW_HIDE_PINS, TRAY_CLOSE_ALL_PINS, TRAY_RESTORE_CLOSED_PIN, TRAY_PIN_LAST_CAPTURE})
        EXPECT_FALSE(find(menu, id)->grayed) << id;
    ASSERT_NE(find(menu, TRAY_CLICK_THROUGH_OFF_ALL), nullptr);
    EXPECT_EQ(ids(menu)[9], TRAY_CLICK_THROUGH_OFF_ALL);  // right after restore
    EXPECT_TRUE(find(menu, TRAY_START_WITH_WINDOWS)->checked);
}

TEST(TrayMenu, RecordingPutsStopFirstWithTheCaptureHotkey) {
    TrayState s = default_state();
    s.recording = true;
    const auto menu = build_tray_menu(s);
    ASSERT_GE(menu.size(), 3u);
    EXPECT_EQ(menu[0].id, TRAY_STOP_RECORDING);
    EXPECT_EQ(menu[0].text, "Stop recording\tF1");
    EXPECT_TRUE(menu[1].separator);
    EXPECT_EQ(menu[2].id, TRAY_CAPTURE);
}

TEST(TrayMenu, HotkeyTextsBehindTabs) {
    struct Case {
        const char* capture;
        const char* copy;
        const char* pin;
        const char* capture_text;
        const char* copy_text;
        const char* pin_text;
    };
    const Case cases[] = {
        {"", "", "", "Capture\t\xE2\x80\x94", "Capture and copy", "Pin clipboard image\t\xE2\x80\x94"},
        {"ctrl+shift+a", "Alt+PrintScreen", "f3", "Capture\tCtrl+Shift+A", "Capture and copy\tAlt+PrintScreen",
         "Pin clipboard image\tF3"},
    };
    for (const Case& c : cases) {
        TrayState s;
        s.capture_hotkey = hotkey(c.capture);
        s.capture_copy_hotkey = hotkey(c.copy);
        s.pin_hotkey = hotkey(c.pin);
        s.recording = true;
        const auto menu = build_tray_menu(s);
        EXPECT_EQ(find(menu, TRAY_CAPTURE)->text, c.capture_text);
        EXPECT_EQ(find(menu, TRAY_CAPTURE_COPY)->text, c.copy_text);
        EXPECT_EQ(find(menu, TRAY_PIN_CLIPBOARD)->text, c.pin_text);
        EXPECT_EQ(find(menu, TRAY_STOP_RECORDING)->text,
                  std::string("Stop recording\t") + (*c.capture ? "Ctrl+Shift+A" : "\xE2\x80\x94"));
    }
}
