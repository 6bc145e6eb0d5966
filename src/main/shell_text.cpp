#include "main/shell_text.h"

#include <algorithm>
#include <cstdio>

#include "strings/ui_strings.h"
#include "util/text.h"

std::string hotkey_text_or_dash(const std::optional<HotkeySetting>& hotkey) {
    return hotkey ? hotkey->text : std::string(NO_HOTKEY_TEXT);
}

std::string fill_hotkey_placeholders_with(std::string_view text, std::string_view cap, std::string_view pin) {
    return replace_all(replace_all(text, "{cap}", cap), "{pin}", pin);
}

std::string hotkey_in_use_text(const std::vector<std::string>& failed) {
    std::string keys;
    for (const std::string& k : failed) {
        if (!keys.empty()) keys += ", ";
        keys += k;
    }
    return replace_all(ui_text(BALLOON_HOTKEY_IN_USE_TEXT), "{keys}", keys);
}

namespace {

std::string role_name(HotkeyRole role) {
    switch (role) {
        case HotkeyRole::Capture: return ui_text(MENU_CAPTURE);
        case HotkeyRole::Pin: return ui_text(MENU_PIN_CLIPBOARD);
        case HotkeyRole::CaptureCopy: return ui_text(MENU_CAPTURE_COPY);
    }
    return {};
}

// The first `units` UTF-16 units of a text, with an ellipsis when it was longer.
std::string cut_to(std::string_view text, size_t units) {
    const std::u16string u = utf8_to_utf16(text);
    if (u.size() <= units) return std::string(text);
    return utf16_to_utf8(truncate_utf16(u, units > 0 ? units - 1 : 0)) + "\xE2\x80\xA6";
}

}  // namespace

std::optional<Notice> settings_notice(const std::optional<std::string>& read_error, const HotkeyReport& report) {
    std::vector<std::string> lines;
    for (const UnreadHotkey& u : report.unread)
        lines.push_back(replace_all(replace_all(ui_text(HOTKEY_NOT_A_KEY), "{name}", u.key), "{keys}", u.text));
    for (const HotkeyClash& c : report.clashes) {
        // The key text last, so that nothing in it is taken for a placeholder.
        std::string line = replace_all(ui_text(HOTKEY_SAME_KEY), "{name}", role_name(c.first));
        line = replace_all(line, "{other}", role_name(c.second));
        lines.push_back(replace_all(line, "{keys}", c.text));
    }
    if (!report.in_use.empty()) lines.push_back(hotkey_in_use_text(report.in_use));
    std::string hotkeys;
    for (const std::string& line : lines) hotkeys += (hotkeys.empty() ? "" : "\n") + line;

    if (read_error) {
        // The file's message first, cut so that what the hotkeys need still fits the balloon.
        constexpr size_t MIN_MESSAGE_UNITS = 60;
        const size_t rest = hotkeys.empty() ? 0 : utf8_to_utf16(hotkeys).size() + 1;
        const size_t room = rest < BALLOON_BODY_UNITS ? BALLOON_BODY_UNITS - rest : 0;
        std::string body = cut_to(*read_error, std::max(room, MIN_MESSAGE_UNITS));
        if (!hotkeys.empty()) body += "\n" + hotkeys;
        return Notice{ui_text(SETTINGS_READ_FAILED), std::move(body)};
    }
    if (hotkeys.empty()) return std::nullopt;
    const bool only_in_use = report.unread.empty() && report.clashes.empty();
    return Notice{ui_text(only_in_use ? BALLOON_HOTKEY_IN_USE_TITLE : HOTKEY_PROBLEM_TITLE), std::move(hotkeys)};
}

BalloonText balloon_text(std::string_view title, std::string_view body) {
    BalloonText t{truncate_utf16(utf8_to_utf16(title), BALLOON_TITLE_UNITS),
                  truncate_utf16(utf8_to_utf16(body), BALLOON_BODY_UNITS)};
    if (t.body.empty()) t.body.push_back(u' ');
    return t;
}

std::u16string tray_tip_text(std::string_view tip) { return truncate_utf16(utf8_to_utf16(tip), TRAY_TIP_UNITS); }

std::string balloon_log_line(const BalloonText& text) {
    return "balloon: " + replace_all(utf16_to_utf8(text.title), "\n", "\\n") + " | " +
           replace_all(utf16_to_utf8(text.body), "\n", "\\n");
}
