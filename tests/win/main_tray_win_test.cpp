#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "main/main_window_win.h"
#include "main/tray_win.h"
#include "settings/settings_win.h"
#include "strings/tables.h"
#include "util/text.h"

namespace {

class SettingsScope {
public:
    SettingsScope(const char* capture, const char* pin) : saved_(*SETTINGS.borrow()) {
        SETTINGS.borrow()->capture_hotkey = parse_hotkey(capture);
        SETTINGS.borrow()->pin_hotkey = parse_hotkey(pin);
    }
    ~SettingsScope() { *SETTINGS.borrow() = saved_; }

private:
    Settings saved_;
};

}  // namespace

TEST(FillHotkeyPlaceholders, EnglishTexts) {
    struct Case {
        const char* capture;
        const char* pin;
        UiText text;
        const char* expected;
    };
    const Case cases[] = {
        {"F1", "F3", BALLOON_RUNNING_TEXT,
         "F1 to capture, F3 to pin the clipboard image. Right-click the tray icon for the menu."},
        {"ctrl+shift+a", "", BALLOON_RUNNING_TEXT,
         "Ctrl+Shift+A to capture, \xE2\x80\x94 to pin the clipboard image. Right-click the tray icon for the menu."},
        {"", "Alt+PrintScreen", TRAY_TOOLTIP, "Ormick Oxel\n\xE2\x80\x94 capture \xC2\xB7 Alt+PrintScreen pin"},
    };
    for (const Case& c : cases) {
        SettingsScope scope(c.capture, c.pin);
        EXPECT_EQ(fill_hotkey_placeholders(UI_STRINGS_EN[c.text]), c.expected);
    }
}

TEST(TrayBalloonData, CutsTitleAndBodyInUtf16Units) {
    struct Case {
        std::string title, body;
        size_t title_units, body_units;
    };
    const std::string astral = "\xF0\x9F\x98\x80";
    const Case cases[] = {
        {std::string(80, 'T'), std::string(300, 'b'), 63, 255},
        {std::string(62, 'T') + astral, std::string(254, 'b') + astral + "tail", 62, 254},
        {"Ormick Oxel", "", 11, 1},  // an empty body would remove the balloon
    };
    HWND window = reinterpret_cast<HWND>(0x1234);
    for (const Case& c : cases) {
        const NOTIFYICONDATAW d = tray_balloon_data(window, c.title, c.body);
        EXPECT_EQ(d.cbSize, 976u);
        EXPECT_EQ(d.hWnd, window);
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_INFO));
        EXPECT_EQ(d.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
        EXPECT_EQ(std::wcslen(d.szInfoTitle), c.title_units);
        EXPECT_EQ(std::wcslen(d.szInfo), c.body_units);
        EXPECT_EQ(d.szTip[0], L'\0');
    }
    const NOTIFYICONDATAW d = tray_balloon_data(window, "Hotkey in use", "F1 is used");
    EXPECT_EQ(std::wstring(d.szInfoTitle), L"Hotkey in use");
    EXPECT_EQ(std::wstring(d.szInfo), L"F1 is used");
}

TEST(TrayIconData, MessageIconAndTooltipCutAt127) {
    HWND window = reinterpret_cast<HWND>(0x1234);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    const NOTIFYICONDATAW d = tray_icon_data(window, icon, std::string(200, 'x'));
    EXPECT_EQ(d.cbSize, 976u);
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(d.uCallbackMessage, 0x8001u);
    EXPECT_EQ(d.hIcon, icon);
    EXPECT_EQ(std::wcslen(d.szTip), 127u);
    const NOTIFYICONDATAW tip = tray_tip_data(window, "Ormick Oxel\nF2 capture");
    EXPECT_EQ(tip.uFlags, static_cast<UINT>(NIF_TIP));
    EXPECT_EQ(std::wstring(tip.szTip), L"Ormick Oxel\nF2 capture");
}
