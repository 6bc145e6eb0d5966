// By hand: win_tests.exe --gtest_also_run_disabled_tests --gtest_filter='OverlayPaintBench.*'
// A full overlay paint and one drag step of the selection's corner at 1920 x 1080, each beside a
// bare full-screen BitBlt of the same run, all into a window on screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "capture/dim.h"
#include "capture/overlay_paint_win.h"
#include "util/clock.h"
#include "win/draw.h"
#include "win/handles.h"

namespace {

constexpr int32_t W = 1920, H = 1080;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

OverlayState bench_state(HWND window) {
    OverlayState s;
    s.window = window;
    s.scale = 1.0f;
    s.font = ui_font(12, false);
    s.images.frozen = DibBitmap::create(W, H);
    s.images.dimmed = DibBitmap::create(W, H);
    s.images.back_buffer = DibBitmap::create(W, H);
    s.images.highlight = DibBitmap::create(1, 1);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) s.images.frozen->bits[y * W + x] = (x * 7 + y * 13) & 0xFFFFFF;
    dim_pixels_parallel(s.images.frozen->pixels(), s.images.dimmed->pixels());
    s.images.highlight->bits[0] = 0x002B7FFF;
    AutoSelect& a = s.selection.auto_select;
    a.width = W;
    a.height = H;
    a.monitors = {{0, 0, W, H}};
    s.selection.rect = Rect{300, 200, 1500, 800};
    return s;
}

}  // namespace

TEST(OverlayPaintBench, DISABLED_FullPaintAndDragStepAgainstABareBitBlt) {
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, W, H, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    OverlayState s = bench_state(window);
    ASSERT_TRUE(s.images.frozen && s.images.dimmed && s.images.back_buffer);
    const WindowDc dc(window);

    std::vector<double> full, step, bare;
    for (int i = 0; i < 41; ++i) {
        s.selection.mouse_state = MouseState::Idle;
        s.selection.rect = Rect{300, 200, 1500, 800};
        s.paint.layout = overlay_layout(s);
        double t = clock_ms();
        paint_session(dc.get(), s, nullptr);
        GdiFlush();
        full.push_back(clock_ms() - t);

        // One step of a corner drag: the state changes, the difference is invalidated and painted.
        s.selection.mouse_state = MouseState::ResizingSelection;
        s.paint.layout = overlay_layout(s);
        ValidateRect(window, nullptr);
        t = clock_ms();
        s.selection.rect = Rect{300, 200, 1504, 803};
        s.selection.cursor_x = 1504;
        s.selection.cursor_y = 803;
        overlay_invalidate_changes(s);
        const Region update(CreateRectRgn(0, 0, 0, 0));
        GetUpdateRgn(window, update.get(), FALSE);
        ValidateRect(window, nullptr);
        paint_session(dc.get(), s, update.get());
        GdiFlush();
        step.push_back(clock_ms() - t);

        t = clock_ms();
        BitBlt(dc.get(), 0, 0, W, H, s.images.dimmed->hdc(), 0, 0, SRCCOPY);
        GdiFlush();
        bare.push_back(clock_ms() - t);
    }
    const double f = median(full), d = median(step), b = median(bare);
    std::printf("1920x1080: full paint %.2f ms, drag step %.2f ms, bare BitBlt %.2f ms; drag/full %.3f, full/BitBlt %.2f\n",
                f, d, b, d / f, f / b);
    DestroyWindow(window);
}
