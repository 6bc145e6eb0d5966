// The live pin's window: drag, wheel zoom and opacity, keys, the source-alive timer, the
// border, and the thumbnail's lifetime.
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "image/clipboard_win.h"
#include "livepin/livepin_core.h"
#include "livepin/livepin_win.h"
#include "livepin/livepin_window_win.h"
#include "livepin/window_print_win.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/draw.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/popup_menu.h"

UiCell<std::vector<HWND>> LIVE_PINS;

const WindowClass LIVEPIN_WINDOW_CLASS = window_class<LivePin>(CS_DBLCLKS, IDC_SIZEALL);

namespace {

// How long a grab waits for the source window's thread to answer at all.
constexpr UINT LIVEPIN_ANSWER_MS = 200;

bool listed(HWND window) {
    const auto pins = LIVE_PINS.borrow();
    return std::find(pins->begin(), pins->end(), window) != pins->end();
}

void copy_view(HWND window) {
    if (const std::optional<DibBitmap> view = livepin_grab_view(window)) copy_image_or_notify(*view);
}

// A still pin of the view where the live pin is; the live pin goes only when that worked.
void make_static(HWND window) {
    std::optional<DibBitmap> view = livepin_grab_view(window);
    if (!view || !IsWindow(window)) return;
    RECT r{};
    GetWindowRect(window, &r);
    if (created_or_notify(create_pin(std::move(*view), {}, r.left, r.top, 1.0f, 100))) DestroyWindow(window);
}

}  // namespace

LivePin* find_live_pin(HWND window) { return listed(window) ? LivePin::from(window) : nullptr; }

HWND create_live_window(HWND source, const Rect& area, const Rect& source_window_rect) {
    auto record = std::make_unique<LivePin>(livepin_source_rect(area, source_window_rect), source);
    return LivePin::create(std::move(record), WS_EX_TOOLWINDOW | WS_EX_TOPMOST, to_wide(PROGRAM_NAME).c_str(),
                           WS_POPUP, area.l - 1, area.t - 1, area.width() + 2, area.height() + 2);
}

void start_live_pin(HWND window, HTHUMBNAIL thumbnail) {
    LivePin* pin = LivePin::from(window);
    if (!pin) return;
    pin->thumbnail = thumbnail;
    LIVE_PINS.borrow()->push_back(window);
    livepin_apply_scale(window);
    SetTimer(window, LIVEPIN_ALIVE_TIMER, LIVEPIN_ALIVE_MS, nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void livepin_apply_scale(HWND window) {
    const LivePin* pin = find_live_pin(window);
    if (!pin) return;
    const ThumbnailProps p = thumbnail_props(pin->source, pin->scale, pin->opacity);
    const HTHUMBNAIL thumbnail = pin->thumbnail;
    SetWindowPos(window, nullptr, 0, 0, p.destination.r + 1, p.destination.b + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (thumbnail) {
        DWM_THUMBNAIL_PROPERTIES d{};
        d.dwFlags = p.flags;
        d.rcDestination = to_rect(p.destination);
        d.rcSource = to_rect(p.source);
        d.opacity = p.opacity;
        d.fVisible = p.visible;
        d.fSourceClientAreaOnly = p.source_client_area_only;
        if (const HRESULT hr = DwmUpdateThumbnailProperties(thumbnail, &d); FAILED(hr))
            debug_log("live pin: " + error_naming_hresult(hr, "DwmUpdateThumbnailProperties").message);
    }
    InvalidateRect(window, nullptr, TRUE);
}

std::optional<DibBitmap> livepin_grab_view(HWND window) {
    const LivePin* pin = find_live_pin(window);
    if (!pin) return std::nullopt;
    // Copies: the pin may go while the source is asked.
    const Rect pinned = pin->source;
    const HWND source = pin->source_window;
    RECT wr{};
    if (IsIconic(source) || !GetWindowRect(source, &wr) || wr.right <= wr.left || wr.bottom <= wr.top)
        return std::nullopt;
    // PrintWindow waits until the source's thread draws: a source that does not answer, or
    // stops answering on the way, must not freeze every window of ours. Both waits share the limit.
    const ULONGLONG deadline = GetTickCount64() + LIVEPIN_ANSWER_MS;
    if (!SendMessageTimeoutW(source, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, LIVEPIN_ANSWER_MS, nullptr)) {
        debug_log(std::string("live pin: ") + PRINT_NOT_ANSWERING);
        return std::nullopt;
    }
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    Result<DibBitmap> view = print_window_part(source, wr.right - wr.left, wr.bottom - wr.top, pinned, left);
    if (!view) {
        debug_log("live pin: " + view.error().message);
        return std::nullopt;
    }
    return std::move(view).value();
}

void run_live_command(HWND window, uint32_t command) {
    LivePin* pin = find_live_pin(window);
    if (!pin) return;
    if (const std::optional<uint8_t> opacity = opacity_from_menu_id(command)) {
        pin->opacity = *opacity;
        livepin_apply_scale(window);
        return;
    }
    switch (command) {
        case LIVE_CMD_COPY_VIEW: copy_view(window); break;
        case LIVE_CMD_MAKE_STATIC: make_static(window); break;
        case LIVE_CMD_ACTUAL_SIZE:
            pin->scale = 1.0f;
            livepin_apply_scale(window);
            break;
        case LIVE_CMD_CLOSE: DestroyWindow(window); break;
        default: break;
    }
}

LRESULT LivePin::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCHITTEST: return HTCAPTION;
        case WM_NCLBUTTONDBLCLK:
            // Never to DefWindowProc: a caption double click would maximise.
            DestroyWindow(hwnd());
            return 0;
        // The whole window is caption: the system's caption right-click would take the capture,
        // so the release would never come as WM_NCRBUTTONUP.
        case WM_NCRBUTTONDOWN: return 0;
        case WM_NCRBUTTONUP: show_menu(lparam); return 0;
        case WM_CONTEXTMENU: show_menu(lparam); return 0;  // the menu key, Shift+F10
        case WM_KEYDOWN: {
            const bool ctrl = GetKeyState(VK_CONTROL) < 0;
            if (wparam == VK_ESCAPE) DestroyWindow(hwnd());
            else if (ctrl && wparam == 'C') copy_view(hwnd());
            else if (ctrl && wparam == '0') run_live_command(hwnd(), LIVE_CMD_ACTUAL_SIZE);
            return 0;
        }
        case WM_MOUSEWHEEL: on_wheel(wparam); return 0;
        case WM_TIMER:
            if (wparam == LIVEPIN_ALIVE_TIMER && (!IsWindow(source_window) || !listed(hwnd()))) DestroyWindow(hwnd());
            return 0;
        case WM_PAINT: paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_NCDESTROY: on_destroy(); break;
        default: break;
    }
    return default_handle(message, wparam, lparam);
}

void LivePin::paint() {
    PaintDc dc(hwnd());
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    fill_rect_color(dc.get(), {client.left, client.top, client.right, client.bottom}, 1, LIVEPIN_BORDER_COLOR);
}

void LivePin::show_menu(LPARAM screen_point) {
    if (!listed(hwnd())) return;
    const std::vector<MenuItem> items = livepin_menu_model(opacity);
    Menu menu = make_popup_menu(items);
    if (!menu) return;
    const HWND window = hwnd();
    debug_log("live pin menu: " + menu_summary(items));
    // The live pin may close while the menu runs: run_live_command looks it up again.
    POINT at{GET_X_LPARAM(screen_point), GET_Y_LPARAM(screen_point)};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the window's top-left
        RECT r{};
        GetWindowRect(window, &r);
        at = {r.left, r.top};
    }
    const uint32_t command = track_popup_menu(window, menu, at);
    menu.reset();
    if (command) run_live_command(window, command);
}

void LivePin::on_wheel(WPARAM wparam) {
    if (!listed(hwnd())) return;
    const bool up = GET_WHEEL_DELTA_WPARAM(wparam) > 0;
    if (GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) opacity = livepin_wheel_opacity(opacity, up);
    else scale = livepin_zoom_next(scale, up);
    livepin_apply_scale(hwnd());
}

void LivePin::on_destroy() {
    auto pins = LIVE_PINS.borrow();
    std::erase(*pins, hwnd());
    if (thumbnail) DwmUnregisterThumbnail(std::exchange(thumbnail, nullptr));
}
