#include "pin/pin_window_win.h"

#include <imm.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "pin/closed_ring.h"
#include "pin/pin_actions_win.h"
#include "pin/pin_geometry.h"
#include "pin/pin_keys.h"
#include "pin/pins_win.h"
#include "util/log.h"
#include "win/draw.h"
#include "win/handles.h"

UiCell<std::vector<HWND>> PINS;
UiCell<std::vector<ClosedPin>> CLOSED_PINS;

const WindowClass PIN_WINDOW_CLASS = window_class<PinRecord>(CS_DBLCLKS, IDC_ARROW);

namespace {

constexpr DWORD PIN_EX_STYLE = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;  // 0x80088

constexpr COLORREF BORDER_CLICK_THROUGH = 0x0095FF;
constexpr COLORREF BORDER_FOREGROUND = 0xFF7F2B;
constexpr COLORREF BORDER_IDLE = 0x928C8C;
constexpr COLORREF LABEL_BOX = 0x242020;
constexpr COLORREF LABEL_TEXT = 0xFFFFFF;

bool key_down(int vk) { return GetKeyState(vk) < 0; }

void draw_label(HDC dc, HWND window, const std::string& text) {
    const PinLabelMetrics m = pin_label_metrics(GetDpiForWindow(window));
    const HFONT font = ui_font(m.font_height, false);
    const SIZE extent = text_extent(dc, font, text);
    const Rect box = pin_label_box(m, extent.cx, extent.cy);
    SetDCPenColor(dc, LABEL_BOX);
    SetDCBrushColor(dc, LABEL_BOX);
    {
        const SelectGuard pen(dc, GetStockObject(DC_PEN));
        const SelectGuard brush(dc, GetStockObject(DC_BRUSH));
        RoundRect(dc, box.l, box.t, box.r, box.b, 2 * m.radius, 2 * m.radius);
    }
    draw_text(dc, font, text, RECT{box.l, box.t, box.r, box.b}, LABEL_TEXT, DT_CENTER);
}

}  // namespace

PinRecord* find_pin(HWND window) {
    PinRecord* pin = PinRecord::from(window);
    return pin && pin->alive() && pin->base_image ? pin : nullptr;
}

const DibBitmap* PinRecord::shown_image() const {
    if (annotated_image && show_annotations) return &*annotated_image;
    return base_image ? &*base_image : nullptr;
}

HWND create_pin(DibBitmap image, std::vector<Annotation> annotations, int32_t x, int32_t y, float scale,
                uint8_t opacity) {
    // A new pin may start below the zoom range (a huge image fitted to its monitor), never above it.
    scale = scale > 0 && scale < PIN_SCALE_MIN ? scale : clamp_pin_scale(scale);
    opacity = clamp_pin_opacity(opacity);
    const Size32 outer = pin_outer_size(image.width, image.height, scale);
    auto record = std::make_unique<PinRecord>(std::move(image), std::move(annotations), scale, opacity);
    // Without its annotations drawn the pin would show what a Mosaic hides.
    if (!render_pin_image(*record)) {
        debug_log("pin annotations could not be drawn");
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    const HWND window = PinRecord::create(std::move(record), PIN_EX_STYLE, nullptr, WS_POPUP, x, y, outer.w, outer.h);
    if (!window) {
        const DWORD error = GetLastError();
        debug_log("pin window could not be made: error " + std::to_string(error));
        SetLastError(error);
        return nullptr;
    }
    ImmAssociateContext(window, nullptr);
    SetLayeredWindowAttributes(window, 0, pin_alpha(opacity), LWA_ALPHA);
    PINS.borrow()->push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    debug_log("pin " + std::to_string(outer.w) + "x" + std::to_string(outer.h) + " at " + std::to_string(x) + "," +
              std::to_string(y));
    return window;
}

LRESULT PinRecord::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_DESTROY:
            on_destroy();
            return default_handle(message, wparam, lparam);
        case WM_ACTIVATE:
            InvalidateRect(hwnd(), nullptr, FALSE);  // the border shows the foreground state
            return default_handle(message, wparam, lparam);
        case WM_PAINT: {
            const PaintDc dc(hwnd());
            if (dc) paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:  // PrintWindow and other programs' window pictures
            paint(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_KEYDOWN:
            on_key(wparam);
            return 0;
        case WM_TIMER:
            if (wparam == PIN_LABEL_TIMER) {
                KillTimer(hwnd(), PIN_LABEL_TIMER);
                label.reset();
                InvalidateRect(hwnd(), nullptr, FALSE);
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (pin_drags(locked)) {
                // The system's move loop: it pumps messages, so nothing of the record is used after.
                ReleaseCapture();
                SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
            }
            return 0;
        case WM_LBUTTONDBLCLK:
            switch (pin_double_click_action((wparam & MK_SHIFT) != 0, locked)) {
                case PinAction::Thumbnail: toggle_pin_thumbnail(hwnd()); break;
                case PinAction::Close: DestroyWindow(hwnd()); break;
                default: break;
            }
            return 0;
        case WM_RBUTTONUP:
            show_pin_menu(hwnd());
            return 0;
        case WM_MOUSEWHEEL: {
            const int32_t delta = GET_WHEEL_DELTA_WPARAM(wparam);
            switch (pin_wheel_action((GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) != 0, locked)) {
                case PinAction::Opacity: set_pin_opacity(hwnd(), wheel_opacity(opacity, delta)); break;
                case PinAction::Zoom:
                    zoom_pin(hwnd(), wheel_steps(delta), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
                    break;
                default: break;
            }
            return 0;
        }
        case WM_DPICHANGED:
            return 0;  // a pin keeps its size in pixels
        default:
            return default_handle(message, wparam, lparam);
    }
}

void PinRecord::paint(HDC dc) {
    const DibBitmap* image = shown_image();
    if (!dc || !image) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int32_t cw = client.right, ch = client.bottom;
    if (cw == image->width + 2 && ch == image->height + 2) {
        BitBlt(dc, 1, 1, image->width, image->height, image->hdc(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, cw - 2 < image->width ? HALFTONE : COLORONCOLOR);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 1, 1, cw - 2, ch - 2, image->hdc(), 0, 0, image->width, image->height, SRCCOPY);
    }
    const COLORREF border = click_through ? BORDER_CLICK_THROUGH
                            : GetForegroundWindow() == hwnd() ? BORDER_FOREGROUND
                                                              : BORDER_IDLE;
    fill_rect_color(dc, Rect{0, 0, cw, ch}, 1, border);
    if (label) draw_label(dc, hwnd(), *label);
}

void PinRecord::on_key(WPARAM vk) {
    const HWND window = hwnd();
    const PinKeyAction key =
        pin_key_action(static_cast<uint32_t>(vk), key_down(VK_CONTROL), key_down(VK_SHIFT), locked);
    switch (key.action) {
        case PinAction::Close: DestroyWindow(window); break;
        case PinAction::Annotate: annotate_pin(window); break;
        case PinAction::ActualSize: {
            const POINT c = window_center(window);
            set_pin_scale(window, 1.0f, c.x, c.y);
            break;
        }
        case PinAction::Move: {
            RECT r{};
            GetWindowRect(window, &r);
            SetWindowPos(window, nullptr, r.left + key.dx, r.top + key.dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            break;
        }
        case PinAction::ZoomIn:
        case PinAction::ZoomOut: {
            const POINT c = window_center(window);
            zoom_pin(window, key.action == PinAction::ZoomIn ? 1.0f : -1.0f, c.x, c.y);
            break;
        }
        case PinAction::Copy: copy_pin_image(window); break;
        case PinAction::Save: save_pin_image(window); break;
        case PinAction::Recognize: recognize_pin_text(window); break;
        default: break;
    }
}

void PinRecord::on_destroy() {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    {
        auto pins = PINS.borrow();
        pins->erase(std::remove(pins->begin(), pins->end(), hwnd()), pins->end());
    }
    if (base_image) {
        auto closed = CLOSED_PINS.borrow();
        remember_closed(*closed, ClosedPin{std::move(annotations), std::move(*base_image), r.left, r.top, scale, opacity});
    }
    base_image.reset();
    annotations.clear();
    annotated_image.reset();
    label.reset();
}
