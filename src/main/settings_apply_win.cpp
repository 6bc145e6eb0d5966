// Settings put into effect: "Reload settings" re-reads the file; settings_store's change
// applies only the keys it stored. Both re-register the hotkeys and refresh the tray's tooltip
// when hotkeys may have changed, and choose the capture engine.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "dxgi/dxgi_win.h"
#include "main/main_window_win.h"
#include "main/shell_text.h"
#include "main/tray_win.h"
#include "prefs/prefs_win.h"
#include "settings/hotkeys_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/main_window.h"

namespace {

bool stores_any(const SettingPairs& pairs, std::initializer_list<std::string_view> keys) {
    for (const auto& pair : pairs)
        for (const std::string_view key : keys)
            if (iequals_ascii(pair.first, key)) return true;
    return false;
}

void apply_capture_engine() { choose_capture_engine(current_settings().capture_engine == CaptureEngine::Gdi); }

// The hotkeys registered again and the tooltip that names them; one notice says what keeps a
// hotkey from working, and that the file could not be read.
void apply_hotkeys(const std::optional<std::string>& read_error) {
    HWND main = MAIN_HWND.get();
    const HotkeyReport hotkeys = register_hotkeys(main);
    const std::string tip = tray_tooltip();
    NOTIFYICONDATAW data = tray_tip_data(main, tip);
    if (main) Shell_NotifyIconW(NIM_MODIFY, &data);
    debug_log("tray tip: " + replace_all(tip, "\n", "\\n"));
    if (const std::optional<Notice> notice = settings_notice(read_error, hotkeys)) tray_balloon(notice->title, notice->body);
}

}  // namespace

void reload_settings() {
    // An unreadable file keeps the settings in force; the hotkeys are still registered again.
    const Status loaded = settings_load();
    if (!loaded) debug_log("settings not reloaded: " + loaded.error().message);
    apply_capture_engine();
    apply_hotkeys(loaded ? std::nullopt : std::optional<std::string>(loaded.error().message));
}

void settings_changed(const SettingPairs& pairs) {
    if (stores_any(pairs, {"capture_engine"})) apply_capture_engine();
    if (stores_any(pairs, {"capture_hotkey", "pin_hotkey", "capture_copy_hotkey"})) apply_hotkeys(std::nullopt);
    show_stored_settings(pairs);
}

std::string fill_hotkey_placeholders(std::string_view text) {
    const Settings settings = current_settings();
    return fill_hotkey_placeholders_with(text, hotkey_text_or_dash(settings.capture_hotkey),
                                         hotkey_text_or_dash(settings.pin_hotkey));
}
