#include "scroll/scroll_platform_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "capture/auto_select_win.h"
#include "capture/overlay_window_win.h"
#include "dxgi/dxgi_win.h"
#include "image/image_file_win.h"
#include "scroll/scroll_rules.h"
#include "util/log.h"
#include "win/env.h"

namespace {

constexpr uint32_t PREVIEW_BACKGROUND = 0x2C2828;
constexpr DWORD WHEEL_NOTCH_DOWN = static_cast<DWORD>(-WHEEL_DELTA);

Rect monitor_near(Point32 p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return virtual_screen_rect();
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

void write_frame(const std::vector<uint32_t>& pixels, int32_t width, int32_t height, const char* name) {
    const std::string path = join_path(temp_dir(), name);
    const Status written = write_png(pixels.data(), pixels.size(), width, height, path);
    if (!written) debug_log("scroll: " + path + " not written: " + written.error().message);
}

}  // namespace

Rect find_capture_rect(const Rect& region) {
    const std::vector<WindowTarget> targets = enumerate_windows(live_overlay_hwnd());
    std::vector<Rect> windows;
    windows.reserve(targets.size());
    for (const WindowTarget& t : targets) windows.push_back(t.rect);
    return scroll_capture_rect(region, windows, monitor_near(region_centre(region)));
}

void send_wheel_notch() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = WHEEL_NOTCH_DOWN;
    if (SendInput(1, &input, sizeof input) != 1) debug_log("scroll: wheel notch not sent: " + std::to_string(GetLastError()));
}

std::optional<DibBitmap> render_scroll_preview(const ScrollImageView& source, int32_t client_width,
                                               int32_t client_height) {
    std::optional<DibBitmap> out = DibBitmap::create(client_width, client_height);
    if (!out) return std::nullopt;
    std::fill(out->pixels().begin(), out->pixels().end(), PREVIEW_BACKGROUND);
    const PreviewPlacement p = preview_placement(source.width, source.rows, client_width, client_height);
    if (p.rows < 1) return out;
    const BITMAPINFO info = top_down_dib_info(source.width, p.rows);
    const uint32_t* first = source.pixels.data() + static_cast<size_t>(p.first_row) * static_cast<size_t>(source.width);
    SetStretchBltMode(out->hdc(), HALFTONE);
    SetBrushOrgEx(out->hdc(), 0, 0, nullptr);
    StretchDIBits(out->hdc(), 0, p.dest_y, client_width, p.dest_height, 0, 0, source.width, p.rows, first, &info,
                  DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
    return out;
}

std::optional<DibBitmap> dib_from_scroll_image(const ScrollImage& image) {
    if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) return std::nullopt;
    std::optional<DibBitmap> out = DibBitmap::create(image.width, image.height);
    if (!out) return std::nullopt;
    std::memcpy(out->bits, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
    return out;
}

void dump_scroll_frames(const ScrollFrames& frames) {
    write_frame(frames.reference, frames.width, frames.height, "ormick-scroll-a.png");
    write_frame(frames.current, frames.width, frames.height, "ormick-scroll-b.png");
}
