#pragma once
// Texts of the main window's notices and tray. Platform-free.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hotkey_plan.h"
#include "settings/settings.h"
#include "strings/ui_strings.h"

inline constexpr size_t TRAY_TIP_UNITS = 127;
inline constexpr size_t BALLOON_TITLE_UNITS = 63;
inline constexpr size_t BALLOON_BODY_UNITS = 255;

// Title of notices without a subject.
inline constexpr std::string_view APP_TITLE = PROGRAM_NAME;
// Shown for a hotkey that is off.
inline constexpr std::string_view NO_HOTKEY_TEXT = "\xE2\x80\x94";  // U+2014 em dash

// The hotkey's canonical text, or the em dash when it is off.
std::string hotkey_text_or_dash(const std::optional<HotkeySetting>& hotkey);
// Every "{cap}" replaced by `cap`, then every "{pin}" in the result by `pin`.
std::string fill_hotkey_placeholders_with(std::string_view text, std::string_view cap, std::string_view pin);
// The "Hotkey in use" body: {keys} = the failed hotkey texts joined with ", ".
std::string hotkey_in_use_text(const std::vector<std::string>& failed);

struct Notice {
    std::string title;
    std::string body;
};
// The one notice of a settings load and hotkey registration, since a balloon replaces the one
// before it: the file that could not be read (its message cut so the rest still fits), hotkey
// texts that name no key, two of the program's hotkeys on one key, keys another program holds;
// one line each. None when all went well.
std::optional<Notice> settings_notice(const std::optional<std::string>& read_error, const HotkeyReport& report);

struct BalloonText {
    std::u16string title;
    std::u16string body;
};
// Cut to what the notification area holds (title 63 UTF-16 units, body 255). An empty body
// becomes one blank: the shell removes a balloon whose text is empty instead of showing it.
BalloonText balloon_text(std::string_view title, std::string_view body);
std::u16string tray_tip_text(std::string_view tip);
// "balloon: TITLE | BODY" as shown, line breaks written as \n.
std::string balloon_log_line(const BalloonText& text);
