// New pins that do not come from a selection: at a point or centred on the cursor, fitted to
// that monitor.
#include <string>
#include <utility>

#include "image/dib_bitmap_win.h"
#include "pin/pin_geometry.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"
#include "win/error.h"
#include "win/shell.h"

namespace {

Rect monitor_rect_at(POINT p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info)) return {};
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

}  // namespace

HWND created_or_notify(HWND pin) {
    if (!pin) tray_balloon(PROGRAM_NAME, pin_failure_reason());
    return pin;
}

std::string pin_failure_reason() {
    const DWORD error = GetLastError();
    return system_message(error ? error : ERROR_NOT_ENOUGH_MEMORY);
}

HWND pin_image_at(DibBitmap image, int32_t x, int32_t y) {
    const Rect monitor = monitor_rect_at({x, y});
    return pin_image_within(std::move(image), x, y, monitor);
}

HWND pin_image_within(DibBitmap image, int32_t x, int32_t y, const Rect& area) {
    const PinPlacement p = place_pin_at(image.width, image.height, area, x, y);
    return created_or_notify(create_pin(std::move(image), {}, p.x, p.y, p.scale, 100));
}

HWND pin_image_at_cursor(DibBitmap image) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const PinPlacement p = place_pin_centred(image.width, image.height, monitor_rect_at(cursor), cursor.x, cursor.y);
    return created_or_notify(create_pin(std::move(image), {}, p.x, p.y, p.scale, 100));
}
