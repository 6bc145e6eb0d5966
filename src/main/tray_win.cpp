#include "main/tray_win.h"

#include <shlobj.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "image/dib_bitmap_win.h"
#include "image/history_win.h"
#include "image/image_load_win.h"
#include "main/main_window_win.h"
#include "main/shell_text.h"
#include "pin/pins_win.h"
#include "prefs/prefs_win.h"
#include "record/record_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "util/ui_cell.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/popup_menu.h"

namespace {

template <size_t N>
void copy_units(wchar_t (&dest)[N], const std::u16string& text) {
    const size_t n = std::min(text.size(), N - 1);
    for (size_t i = 0; i < n; ++i) dest[i] = static_cast<wchar_t>(text[i]);
    dest[n] = L'\0';
}

NOTIFYICONDATAW base_data(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = TRAY_ICON_ID;
    return data;
}

void toggle_pins_visibility() {
    const std::vector<HWND> pins = pin_windows();
    const bool any_visible = std::any_of(pins.begin(), pins.end(), [](HWND w) { return IsWindowVisible(w) != FALSE; });
    for (HWND w : pins) ShowWindow(w, any_visible ? SW_HIDE : SW_SHOWNOACTIVATE);
}

// The newest capture that loads: a damaged or foreign newest file does not hide the ones before
// it. With none, the user hears that there is no capture to pin.
void pin_last_capture() {
    const std::vector<std::string> files = history_list();
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (std::optional<DibBitmap> image = load_image_file(*file)) {
            pin_image_at_cursor(std::move(*image));
            return;
        }
    }
    tray_balloon(APP_TITLE, ui_text(HISTORY_EMPTY));
}

void open_history_folder() {
    const std::string dir = history_dir();
    if (dir.empty()) return;
    SHCreateDirectoryExW(nullptr, to_wide(dir).c_str(), nullptr);
    open_path(dir, false);
}

}  // namespace

NOTIFYICONDATAW tray_icon_data(HWND window, HICON icon, std::string_view tip) {
    NOTIFYICONDATAW data = base_data(window);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_APP_TRAY;
    data.hIcon = icon;
    copy_units(data.szTip, tray_tip_text(tip));
    return data;
}

NOTIFYICONDATAW tray_tip_data(HWND window, std::string_view tip) {
    NOTIFYICONDATAW data = base_data(window);
    data.uFlags = NIF_TIP;
    copy_units(data.szTip, tray_tip_text(tip));
    return data;
}

NOTIFYICONDATAW tray_balloon_data(HWND window, std::string_view title, std::string_view body) {
    NOTIFYICONDATAW data = base_data(window);
    data.uFlags = NIF_INFO;
    const BalloonText text = balloon_text(title, body);
    copy_units(data.szInfoTitle, text.title);
    copy_units(data.szInfo, text.body);
    data.dwInfoFlags = NIIF_INFO;
    return data;
}

std::string tray_tooltip() { return fill_hotkey_placeholders(ui_text(TRAY_TOOLTIP)); }

namespace {

// The shell often refuses the icon while Windows is still starting, when autostart runs us.
constexpr UINT TRAY_RETRY_MS = 2000;
constexpr int TRAY_RETRY_TRIES = 30;
constexpr size_t WAITING_BALLOONS_MAX = 4;

struct WaitingBalloon {
    std::string title;
    std::string body;
};

// The icon's state. Borrowed only between calls to the shell, which may deliver sent messages.
struct TrayIcon {
    bool in_place = false;
    int tries_left = 0;
    // Notices given while the icon is missing (a start-up balloon such as "hotkey in use" when
    // autostart runs before the shell takes icons), shown once it is there. The newest few only.
    std::vector<WaitingBalloon> waiting;
};
UiCell<TrayIcon> TRAY_ICON;

void show_balloon(HWND window, std::string_view title, std::string_view body) {
    NOTIFYICONDATAW data = tray_balloon_data(window, title, body);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool add_icon(HWND window) {
    Icon owned(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                             LR_DEFAULTCOLOR)));
    // The shell keeps its own copy of the icon, so ours goes at the end of the call.
    HICON icon = owned ? owned.get() : LoadIconW(nullptr, IDI_APPLICATION);
    const std::string tip = tray_tooltip();
    NOTIFYICONDATAW data = tray_icon_data(window, icon, tip);
    // A refused add may still have put the icon there: then it takes a modify.
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {
        const Error e = last_error();
        if (!Shell_NotifyIconW(NIM_MODIFY, &data)) {
            debug_log("tray icon not added: " + e.message);
            return false;
        }
    }
    debug_log("tray tip: " + replace_all(tip, "\n", "\\n"));
    std::vector<WaitingBalloon> waiting;
    {
        auto icon_state = TRAY_ICON.borrow();
        icon_state->in_place = true;
        waiting = std::exchange(icon_state->waiting, {});
    }
    for (const WaitingBalloon& w : waiting) {
        debug_log("balloon shown now the icon is there: " + w.title);
        show_balloon(window, w.title, w.body);
    }
    return true;
}

}  // namespace

void tray_add_icon(HWND window) {
    KillTimer(window, TIMER_TRAY_RETRY);
    TRAY_ICON.borrow()->in_place = false;
    if (add_icon(window)) return;
    TRAY_ICON.borrow()->tries_left = TRAY_RETRY_TRIES;
    SetTimer(window, TIMER_TRAY_RETRY, TRAY_RETRY_MS, nullptr);
}

void tray_retry_add_icon(HWND window) {
    if (add_icon(window) || --TRAY_ICON.borrow()->tries_left <= 0) KillTimer(window, TIMER_TRAY_RETRY);
}

void tray_balloon(std::string_view title, std::string_view body) {
    debug_log(balloon_log_line(balloon_text(title, body)));
    const HWND main = MAIN_HWND.get();
    if (!main) return;
    {
        auto icon_state = TRAY_ICON.borrow();
        if (!icon_state->in_place) {
            std::vector<WaitingBalloon>& waiting = icon_state->waiting;
            if (waiting.size() == WAITING_BALLOONS_MAX) waiting.erase(waiting.begin());
            waiting.push_back(WaitingBalloon{std::string(title), std::string(body)});
            return;
        }
    }
    show_balloon(main, title, body);
}

TrayState tray_state() {
    const Settings settings = current_settings();
    TrayState s;
    s.capture_hotkey = settings.capture_hotkey;
    s.pin_hotkey = settings.pin_hotkey;
    s.capture_copy_hotkey = settings.capture_copy_hotkey;
    s.recording = recorder_is_recording();
    s.any_pin = !pin_windows().empty();
    s.any_pin_click_through = any_pin_click_through();
    s.closed_pins_empty = closed_pins_empty();
    s.history_empty = history_list().empty();
    s.autostart = autostart_enabled();
    return s;
}

void show_tray_menu(HWND window) {
    const std::vector<TrayMenuItem> items = build_tray_menu(tray_state());
    Menu menu = make_popup_menu(items);
    if (!menu) return;
    SetMenuDefaultItem(menu.get(), TRAY_CAPTURE, FALSE);
    POINT cursor{};
    GetCursorPos(&cursor);
    debug_log("tray menu: " + tray_menu_summary(items));
    const uint32_t command = track_popup_menu(window, menu, cursor);
    menu.reset();
    if (command) run_tray_command(window, command);
}

void run_tray_command(HWND window, uint32_t command) {
    debug_log("tray command " + std::to_string(command));
    switch (command) {
        case TRAY_CAPTURE: SetTimer(window, TIMER_DELAYED_CAPTURE, 200, nullptr); break;
        case TRAY_PIN_CLIPBOARD: pin_clipboard(); break;
        case TRAY_SHOW_HIDE_PINS: toggle_pins_visibility(); break;
        case TRAY_CLOSE_ALL_PINS:
            for (HWND w : pin_windows()) DestroyWindow(w);
            break;
        case TRAY_RESTORE_CLOSED_PIN: restore_last_closed_pin(); break;
        case TRAY_START_WITH_WINDOWS:
            // The menu shows the registry's state next time, so a refused change shows there.
            if (const Status s = set_autostart(!autostart_enabled()); !s) {
                debug_log("autostart: " + s.error().message);
                tray_balloon(ui_text(AUTOSTART_FAILED), s.error().message);
            }
            break;
        case TRAY_SETTINGS: show_prefs_window(); break;
        case TRAY_RELOAD_SETTINGS: reload_settings(); break;
        case TRAY_OPEN_SCREENSHOT_FOLDER: open_path(effective_save_dir(), false); break;
        case TRAY_EXIT: DestroyWindow(window); break;
        case TRAY_CAPTURE_COPY: SetTimer(window, TIMER_DELAYED_CAPTURE_COPY, 200, nullptr); break;
        case TRAY_CAPTURE_DELAYED: SetTimer(window, TIMER_DELAYED_CAPTURE, 3000, nullptr); break;
        case TRAY_PIN_LAST_CAPTURE: pin_last_capture(); break;
        case TRAY_OPEN_HISTORY_FOLDER: open_history_folder(); break;
        case TRAY_CLICK_THROUGH_OFF_ALL:
            for (HWND w : pin_windows()) set_pin_click_through(w, false);
            break;
        case TRAY_STOP_RECORDING: stop_recording(false); break;
        default: break;
    }
}
