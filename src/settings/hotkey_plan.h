#pragma once
// Which of the configured hotkeys are registered, and what keeps the others from working: a
// text that names no key, or the key of an earlier one of the program's own hotkeys (the system
// gives a key to one registration only). Platform-free.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

// In the order they are registered and reported.
enum class HotkeyRole : uint8_t { Capture, Pin, CaptureCopy };

// The settings.ini key of a role ("capture_hotkey", "pin_hotkey", "capture_copy_hotkey").
std::string_view hotkey_role_key(HotkeyRole role);

struct PlannedHotkey {
    HotkeyRole role = HotkeyRole::Capture;
    HotkeySetting hotkey;
};
// `second` is set to the key that `first` already has; only `first` is registered.
struct HotkeyClash {
    HotkeyRole first = HotkeyRole::Capture;
    HotkeyRole second = HotkeyRole::Pin;
    std::string text;
    friend bool operator==(const HotkeyClash&, const HotkeyClash&) = default;
};
struct HotkeyPlan {
    std::vector<PlannedHotkey> to_register;
    std::vector<HotkeyClash> clashes;
};
HotkeyPlan plan_hotkeys(const Settings& settings);

// What a registration found, for the one notice that reports it.
struct HotkeyReport {
    std::vector<UnreadHotkey> unread;
    std::vector<HotkeyClash> clashes;
    std::vector<std::string> in_use;  // texts of the keys the system refused (another program's)
    bool empty() const { return unread.empty() && clashes.empty() && in_use.empty(); }
};
// "F1, F3; in use: none" and the rest of the log line, clashes and unread texts only when there are some.
std::string hotkey_report_log(const std::vector<std::string>& registered, const HotkeyReport& report);
