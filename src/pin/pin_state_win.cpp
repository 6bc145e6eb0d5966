// A pin's scale, thumbnail, opacity, click-through and label, and the lists of open and closed
// pins. Each looks the pin up by its window and lets go of the record before moving it.
#include <algorithm>
#include <optional>
#include <utility>

#include "image/bitmap_ops_win.h"
#include "pin/closed_ring.h"
#include "pin/pin_geometry.h"
#include "pin/pin_window_win.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"

namespace {

Rect window_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

POINT window_center(HWND window) {
    const Point32 c = rect_center(window_rect(window));
    return {c.x, c.y};
}

std::vector<HWND> pin_windows() { return *PINS.borrow(); }

bool any_pin_click_through() {
    return std::ranges::any_of(pin_windows(), [](HWND w) {
        const PinRecord* pin = find_pin(w);
        return pin && pin->click_through;
    });
}

bool closed_pins_empty() { return CLOSED_PINS.borrow()->empty(); }

void restore_last_closed_pin() {
    // A copy goes to the new window, so a pin whose window cannot be made stays in the list.
    std::optional<DibBitmap> image;
    std::vector<Annotation> annotations;
    int32_t x = 0, y = 0;
    float scale = 1.0f;
    uint8_t opacity = 100;
    HBITMAP key = nullptr;  // which entry to drop: closing pins while the window is made adds more
    {
        auto closed = CLOSED_PINS.borrow();
        if (closed->empty()) return;
        const ClosedPin& newest = closed->back();
        image = crop_bitmap(newest.base_image, Rect{0, 0, newest.base_image.width, newest.base_image.height});
        annotations = newest.annotations;
        x = newest.x, y = newest.y, scale = newest.scale, opacity = newest.opacity;
        key = newest.base_image.hbitmap();
    }
    if (!image) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    const HWND pin = image ? create_pin(std::move(*image), std::move(annotations), x, y, scale, opacity) : nullptr;
    if (!created_or_notify(pin)) return;
    auto closed = CLOSED_PINS.borrow();
    std::erase_if(*closed, [key](const ClosedPin& c) { return c.base_image.hbitmap() == key; });
}

void set_pin_scale(HWND window, float scale, int32_t anchor_x, int32_t anchor_y) {
    PinRecord* pin = find_pin(window);
    if (!pin) return;
    scale = clamp_pin_scale(scale, pin->lowest_scale);
    const Size32 outer = pin_outer_size(pin->base_image->width, pin->base_image->height, scale);
    pin->scale = scale;
    const Point32 origin = anchored_origin(window_rect(window), anchor_x, anchor_y, outer);
    SetWindowPos(window, nullptr, origin.x, origin.y, outer.w, outer.h, SWP_NOACTIVATE | SWP_NOZORDER);
    show_pin_label(window, zoom_label_text(scale));
}

void zoom_pin(HWND window, float steps, int32_t anchor_x, int32_t anchor_y) {
    const PinRecord* pin = find_pin(window);
    if (!pin) return;
    set_pin_scale(window, zoom_next(pin->scale, steps), anchor_x, anchor_y);
}

void toggle_pin_thumbnail(HWND window) {
    PinRecord* pin = find_pin(window);
    if (!pin) return;
    float scale = pin->scale_before_thumbnail;
    if (!pin->thumbnail) {
        const float t = thumbnail_scale(GetDpiForWindow(window), pin->base_image->width, pin->base_image->height);
        scale = std::min(pin->scale, t);
        pin->scale_before_thumbnail = pin->scale;
    }
    pin->thumbnail = !pin->thumbnail;
    const POINT c = window_center(window);
    set_pin_scale(window, scale, c.x, c.y);
}

void set_pin_opacity(HWND window, int32_t percent) {
    PinRecord* pin = find_pin(window);
    if (!pin) return;
    pin->opacity = clamp_pin_opacity(percent);
    SetLayeredWindowAttributes(window, 0, pin_alpha(pin->opacity), LWA_ALPHA);
    show_pin_label(window, opacity_label_text(ui_text(OPACITY_CAPTION), pin->opacity));
}

void set_pin_click_through(HWND window, bool on) {
    PinRecord* pin = find_pin(window);
    if (!pin) return;
    pin->click_through = on;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, on ? style | WS_EX_TRANSPARENT : style & ~LONG_PTR{WS_EX_TRANSPARENT});
    InvalidateRect(window, nullptr, FALSE);
}

bool pin_is_locked(HWND window) {
    const PinRecord* pin = find_pin(window);
    return pin && pin->locked;
}

void show_pin_label(HWND window, std::string text) {
    PinRecord* pin = find_pin(window);
    if (!pin) return;
    pin->label = std::move(text);
    InvalidateRect(window, nullptr, FALSE);
    SetTimer(window, PIN_LABEL_TIMER, PIN_LABEL_MS, nullptr);
}
