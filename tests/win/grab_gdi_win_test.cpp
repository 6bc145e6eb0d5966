// GDI grabs of a window painted a known colour, and the "--compare-grab" report.
#include <gtest/gtest.h>
#include <windows.h>

#include "dev/dev_jobs_win.h"
#include "dxgi/dxgi_win.h"
#include "util/text.h"
#include "win/env.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

constexpr COLORREF PAINT = RGB(0x12, 0x34, 0x56);
constexpr uint32_t PAINT_PIXEL = 0x123456;  // blue, green, red bytes in memory

bool painted = false;

LRESULT CALLBACK popup_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        HBRUSH brush = CreateSolidBrush(PAINT);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        GdiFlush();
        painted = true;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// A topmost borderless window filled with PAINT, shown and painted.
class PaintedPopup {
public:
    explicit PaintedPopup(const Rect& r) {
        painted = false;
        hwnd_ = create_test_popup({L"OrmickOxelGrabTestPopup", popup_proc}, r, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        const ULONGLONG end = GetTickCount64() + 5000;
        while (!painted && GetTickCount64() < end) pump_messages_for(10);
        pump_messages_for(200);  // let the X server settle the mapped window
    }
    ~PaintedPopup() {
        DestroyWindow(hwnd_);
        pump_messages_for(20);
    }
    bool ok() const { return hwnd_ && painted; }

private:
    HWND hwnd_ = nullptr;
};

// Pixels of the bitmap inside `part` (bitmap coordinates) that are not PAINT.
int off_colour(const DibBitmap& dib, const Rect& part) {
    int n = 0;
    for (int32_t y = part.t; y < part.b; ++y)
        for (int32_t x = part.l; x < part.r; ++x)
            if ((dib.bits[static_cast<size_t>(y) * dib.width + x] & 0xFFFFFF) != PAINT_PIXEL) ++n;
    return n;
}

}  // namespace

TEST(GdiGrab, RegionOverAPaintedWindowGivesExactlyItsPixels) {
    const Rect vs = virtual_screen_rect();
    const Rect window{vs.l + 120, vs.t + 90, vs.l + 420, vs.t + 290};
    PaintedPopup popup(window);
    ASSERT_TRUE(popup.ok());

    const Rect region{window.l + 10, window.t + 20, window.r - 30, window.b - 5};
    std::optional<DibBitmap> dib = frame_to_dib(region);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->width, region.width());
    EXPECT_EQ(dib->height, region.height());
    EXPECT_EQ(off_colour(*dib, Rect{0, 0, dib->width, dib->height}), 0);
}

TEST(GdiGrab, RegionPartlyOffTheVirtualScreenKeepsItsSizeAndItsOnScreenPixels) {
    const Rect vs = virtual_screen_rect();
    const Rect window{vs.l, vs.t, vs.l + 200, vs.t + 150};
    PaintedPopup popup(window);
    ASSERT_TRUE(popup.ok());

    const Rect region{vs.l - 50, vs.t - 40, vs.l + 100, vs.t + 100};
    std::optional<DibBitmap> dib = frame_to_dib(region);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->width, 150);
    EXPECT_EQ(dib->height, 140);
    EXPECT_EQ(off_colour(*dib, Rect{50, 40, 150, 140}), 0) << "the part on the screen";
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 150; ++x)
            ASSERT_EQ(dib->bits[static_cast<size_t>(y) * 150 + x] & 0xFFFFFF, 0u) << "off the screen: black";
}

TEST(GdiGrab, EmptyRegionsGiveNoBitmap) {
    const Rect cases[] = {{0, 0, 0, 0}, {10, 10, 10, 20}, {10, 10, 5, 20}, {INT32_MIN, 0, INT32_MAX, 10}};
    for (const Rect& r : cases) EXPECT_FALSE(frame_to_dib(r)) << r.l << "," << r.t << "," << r.r << "," << r.b;
}

TEST(GdiGrab, MissingMonitorsComeFromOneScreenBlit) {
    const Rect vs = virtual_screen_rect();
    const std::vector<Rect> monitors = monitor_rects();
    const Rect window{vs.l + 300, vs.t + 200, vs.l + 500, vs.t + 260};
    PaintedPopup popup(window);
    ASSERT_TRUE(popup.ok());

    auto frozen = DibBitmap::create(vs.width(), vs.height());
    ASSERT_TRUE(frozen);
    EXPECT_TRUE(gdi_grab_missing(*frozen, vs.l, vs.t, monitors, {}));
    EXPECT_EQ(off_colour(*frozen, window.offset(-vs.l, -vs.t)), 0);

    // Every monitor came from desktop duplication: GDI leaves the bitmap alone.
    auto untouched = DibBitmap::create(vs.width(), vs.height());
    ASSERT_TRUE(untouched);
    EXPECT_FALSE(gdi_grab_missing(*untouched, vs.l, vs.t, monitors, monitors));
    EXPECT_EQ(untouched->bits[static_cast<size_t>(window.t - vs.t + 5) * untouched->width + (window.l - vs.l + 5)], 0u);
}

TEST(CompareGrab, WritesTheReportWhereAsked) {
    const std::string out = join_path(temp_dir(), "ormick-compare-grab-test.txt");
    const std::string fallback = join_path(temp_dir(), "ormick-oxel-compare.txt");
    struct Case {
        Args args;
        std::string path;
    };
    const Case cases[] = {
        {{"ormick-oxel.exe", "--compare-grab", "--out", out}, out},
        {{"ormick-oxel.exe", "--compare-grab"}, fallback},
        {{"ormick-oxel.exe", "--compare-grab", "--out"}, fallback},  // no value: absent
    };
    for (const Case& k : cases) {
        DeleteFileW(to_wide(k.path).c_str());
        run_compare_grab(k.args);
        const std::string report = read_whole_file(k.path);
        ASSERT_FALSE(report.empty()) << k.path;
        EXPECT_EQ(report.rfind("virtual screen ", 0), 0u) << report;
        // No desktop duplication under Wine: every monitor takes the fallback line.
        for (const Rect& m : monitor_rects())
            EXPECT_NE(report.find("\nmonitor " + rect_text(m) + ": not captured by DXGI (GDI fallback)\n"),
                      std::string::npos)
                << report;
        DeleteFileW(to_wide(k.path).c_str());
    }
}
