#pragma once
// Screen grabbing: desktop duplication kept warm in the UI thread's DXGI_CAPTURER, and GDI.
// UI thread only. Desktop duplication is skipped when GDI is forced (ORMICK_OXEL_GDI set, even
// empty, or capture_engine=gdi as main last chose through choose_capture_engine).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "dxgi/capturer.h"
#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "util/result.h"

extern CapturerCell DXGI_CAPTURER;

bool gdi_forced();
// What main passes down whenever capture_engine is loaded or changed: GDI drops the capturer,
// desktop duplication starts warming it (see restart_prewarm_timer).
void choose_capture_engine(bool gdi);

// The pre-warm step the main window's TIMER_PREWARM runs (see prewarm_keep in dxgi/prewarm.h).
// Returns true while the capturer is still being set up and another step is wanted.
bool dxgi_init();

// The capture-engine pre-warm of the developer jobs (timing runs, grab comparison, scrolling and
// recording tests): dxgi_init repeated with a short pause while it asks for another step, until
// ENGINE_PREWARM_BUDGET_MS have passed since the job started (clock_ms()).
void capture_engine_prewarm(double job_start_ms);

// Refreshes one output's frame texture from its duplication.
Status dxgi_frame_texture(DuplicatedOutput& output);

// Copies the outputs it can into the frozen virtual-screen buffer (`pixels`: rows of `width`,
// its top-left at the origin in screen coordinates). The caller grabs every monitor missing from
// `copied` by GDI (gdi_grab_missing) and, when `incomplete`, restarts the pre-warm timer
// (restart_prewarm_timer). Nothing is written unless the buffer holds width x height pixels.
GrabResult dxgi_grab(uint32_t* pixels, size_t pixel_count, int32_t width, int32_t height, int32_t origin_x,
                     int32_t origin_y, const std::vector<Rect>& monitors);

// The whole-capture GDI grab after dxgi_grab: the whole virtual screen in one BitBlt when nothing
// was copied, otherwise each monitor missing from `copied`. True when GDI grabbed anything (the
// caller then takes the "gdi" phase mark).
bool gdi_grab_missing(DibBitmap& frozen, int32_t origin_x, int32_t origin_y, const std::vector<Rect>& monitors,
                      const std::vector<Rect>& copied);

// The screen inside `rect` (screen coordinates) for recording and scrolling capture; black where
// `rect` runs off the virtual screen. None for an empty rectangle or when no bitmap or screen
// grab could be made.
std::optional<DibBitmap> frame_to_dib(const Rect& rect);

// Lets the capturer go (capture_engine=gdi); nothing when the cell is borrowed.
void dxgi_drop_capturer();

// The EnumDisplayMonitors callback: appends the monitor's rcMonitor to the std::vector<Rect>
// in lParam, skips a monitor whose information cannot be read, always continues.
BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM list);

// Each monitor's rcMonitor in EnumDisplayMonitors order (unreadable ones skipped), and the
// virtual screen (GetSystemMetrics).
std::vector<Rect> monitor_rects();
Rect virtual_screen_rect();
