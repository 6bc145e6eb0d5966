#include "dxgi/dxgi_win.h"

#include <windows.h>

#include <algorithm>

#include "dxgi/d3d_backend_win.h"
#include "dxgi/prewarm.h"
#include "dxgi/prewarm_timer_win.h"
#include "util/clock.h"
#include "util/ui_cell.h"
#include "win/env.h"
#include "win/error.h"
#include "win/handles.h"

CapturerCell DXGI_CAPTURER;

namespace {

// capture_engine=gdi, as main last passed it down.
UiCell<bool> GDI_CHOSEN;

constexpr DWORD GRAB_ROP = SRCCOPY | CAPTUREBLT;  // 0x40CC0020
static_assert(GRAB_ROP == 0x40CC0020);

}  // namespace

bool gdi_forced() { return env_is_set("ORMICK_OXEL_GDI") || GDI_CHOSEN.get(); }

void choose_capture_engine(bool gdi) {
    GDI_CHOSEN.set(gdi);
    if (gdi) dxgi_drop_capturer();
    else restart_prewarm_timer();
}

bool dxgi_init() { return prewarm_step(DXGI_CAPTURER, d3d_backend(), gdi_forced()); }

void capture_engine_prewarm(double job_start_ms) {
    repeat_prewarm_step(
        static_cast<uint64_t>(job_start_ms), dxgi_init, [] { return static_cast<uint64_t>(clock_ms()); },
        [](uint32_t ms) { Sleep(ms); });
}

Status dxgi_frame_texture(DuplicatedOutput& output) {
    const HResult hr = refresh_output(d3d_backend(), output);
    if (hr_failed(hr)) return error_from_hresult(static_cast<HRESULT>(hr), "desktop duplication frame");
    return {};
}

GrabResult dxgi_grab(uint32_t* pixels, size_t pixel_count, int32_t width, int32_t height, int32_t origin_x,
                     int32_t origin_y, const std::vector<Rect>& monitors) {
    return grab_outputs(DXGI_CAPTURER, d3d_backend(), gdi_forced(),
                        FrameBuffer{pixels, pixel_count, width, height, origin_x, origin_y}, monitors);
}

bool gdi_grab_missing(DibBitmap& frozen, int32_t origin_x, int32_t origin_y, const std::vector<Rect>& monitors,
                      const std::vector<Rect>& copied) {
    if (!frozen.hdc() || !frozen.bits || frozen.width < 1 || frozen.height < 1) return false;
    std::vector<Rect> missing;
    if (!copied.empty()) {
        for (const Rect& m : monitors)
            if (!m.empty() && std::find(copied.begin(), copied.end(), m) == copied.end()) missing.push_back(m);
        if (missing.empty()) return false;
    }
    WindowDc screen(nullptr);
    if (!screen) return false;
    bool grabbed = false;
    if (copied.empty()) {
        grabbed = BitBlt(frozen.hdc(), 0, 0, frozen.width, frozen.height, screen.get(), origin_x, origin_y,
                         GRAB_ROP) != FALSE;
    } else {
        for (const Rect& m : missing) {
            // A monitor outside the bitmap is skipped; GDI clips the others to it.
            const int64_t x = int64_t{m.l} - origin_x;
            const int64_t y = int64_t{m.t} - origin_y;
            if (x >= frozen.width || y >= frozen.height || int64_t{m.r} - origin_x <= 0 ||
                int64_t{m.b} - origin_y <= 0)
                continue;
            grabbed |= BitBlt(frozen.hdc(), static_cast<int>(x), static_cast<int>(y), m.width(), m.height(),
                              screen.get(), m.l, m.t, GRAB_ROP) != FALSE;
        }
    }
    GdiFlush();
    return grabbed;
}

std::optional<DibBitmap> frame_to_dib(const Rect& rect) {
    const int64_t width = int64_t{rect.r} - rect.l;
    const int64_t height = int64_t{rect.b} - rect.t;
    if (width < 1 || height < 1 || width > INT32_MAX || height > INT32_MAX) return std::nullopt;
    std::optional<DibBitmap> dib = DibBitmap::create(static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (!dib || !dib->bits) return std::nullopt;

    const bool forced = gdi_forced();
    if (grab_region(DXGI_CAPTURER, d3d_backend(), forced, rect, dib->bits, dib->pixel_count())) return dib;

    if (!forced) restart_prewarm_timer();
    // Only the part on the screen: Wine's BitBlt from the screen blanks the whole destination when
    // the source runs off it. Off the screen the fresh bitmap stays black, as Windows leaves it.
    const Rect on_screen = intersect(rect, virtual_screen_rect());
    bool copied = on_screen.empty();
    {
        WindowDc screen(nullptr);
        if (!screen) return std::nullopt;
        if (!on_screen.empty())
            copied = BitBlt(dib->hdc(), on_screen.l - rect.l, on_screen.t - rect.t, on_screen.width(),
                            on_screen.height(), screen.get(), on_screen.l, on_screen.t, GRAB_ROP) != FALSE;
    }
    GdiFlush();
    if (!copied) return std::nullopt;
    return dib;
}

void dxgi_drop_capturer() { drop_capturer(DXGI_CAPTURER); }

BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(Rect{r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

std::vector<Rect> monitor_rects() {
    std::vector<Rect> rects;
    EnumDisplayMonitors(nullptr, nullptr, monitor_enum_proc, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

Rect virtual_screen_rect() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int w = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return Rect{x, y, x + w, y + h};
}
