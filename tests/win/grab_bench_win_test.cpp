// By hand: win_tests.exe --gtest_also_run_disabled_tests --gtest_filter='GrabBench.*'
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "dxgi/dxgi_win.h"

namespace {
double now_ms() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

TEST(GrabBench, DISABLED_WholeScreenThroughOurCodeAgainstABareBitBlt) {
    const Rect vs = virtual_screen_rect();
    const std::vector<Rect> monitors = monitor_rects();
    capture_engine_prewarm(GetTickCount64());
    auto ours = DibBitmap::create(vs.width(), vs.height());
    auto bare = DibBitmap::create(vs.width(), vs.height());
    ASSERT_TRUE(ours && bare);

    std::vector<double> ours_ms, bare_ms;
    for (int i = 0; i < 41; ++i) {
        double t = now_ms();
        const GrabResult g =
            dxgi_grab(ours->bits, ours->pixel_count(), ours->width, ours->height, vs.l, vs.t, monitors);
        gdi_grab_missing(*ours, vs.l, vs.t, monitors, g.copied);
        ours_ms.push_back(now_ms() - t);

        t = now_ms();
        HDC screen = GetDC(nullptr);
        BitBlt(bare->hdc(), 0, 0, bare->width, bare->height, screen, vs.l, vs.t, SRCCOPY | CAPTUREBLT);
        ReleaseDC(nullptr, screen);
        GdiFlush();
        bare_ms.push_back(now_ms() - t);
    }
    const double a = median(ours_ms), b = median(bare_ms);
    std::printf("virtual screen %dx%d: ours median %.2f ms, bare BitBlt median %.2f ms, ratio %.3f\n", vs.width(),
                vs.height(), a, b, a / b);
}
