#include "dxgi/dxgi_win.h"
#include "dxgi/prewarm_timer_win.h"
#include "main/main_window_win.h"
#include "main/shell_text.h"
#include "main/tray_win.h"
#include "settings/hotkeys_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/main_window.h"

void reload_settings() {
    // An unreadable file keeps the settings in force; the hotkeys are still registered again.
    const Status loaded = settings_load();
    if (!loaded) debug_log("settings not reloaded: " + loaded.error().message);
    if (current_settings().capture_engine == CaptureEngine::Gdi) dxgi_drop_capturer();
    else restart_prewarm_timer();
    HWND main = MAIN_HWND.get();
    const HotkeyReport hotkeys = register_hotkeys(main);
    const std::string tip = tray_tooltip();
    NOTIFYICONDATAW data = tray_tip_data(main, tip);
    if (main) Shell_NotifyIconW(NIM_MODIFY, &data);
    debug_log("tray tip: " + replace_all(tip, "\n", "\\n"));
    const std::optional<std::string> read_error =
        loaded ? std::nullopt : std::optional<std::string>(loaded.error().message);
    if (const std::optional<Notice> notice = settings_notice(read_error, hotkeys)) tray_balloon(notice->title, notice->body);
}

std::string fill_hotkey_placeholders(std::string_view text) {
    const Settings settings = current_settings();
    return fill_hotkey_placeholders_with(text, hotkey_text_or_dash(settings.capture_hotkey),
                                         hotkey_text_or_dash(settings.pin_hotkey));
}
