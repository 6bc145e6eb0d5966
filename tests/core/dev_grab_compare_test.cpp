#include <gtest/gtest.h>

#include <vector>

#include "dev/grab_compare.h"

TEST(CompareRegion, CountsColourDifferencesOnly) {
    // 3 x 2 buffers; the fourth byte has no colour and is ignored.
    const std::vector<uint32_t> a = {0x00102030, 0xFF102030, 0x00000000, 0x00FFFFFF, 0x00808080, 0x00010203};
    const std::vector<uint32_t> b = {0x00102030, 0x00102030, 0x00000005, 0x00FFFF00, 0x00808080, 0x00010203};
    struct Case {
        Rect area;
        uint64_t differing, total;
        uint32_t max_delta;
    };
    const Case cases[] = {
        {{0, 0, 3, 2}, 2, 6, 0xFF},
        {{0, 0, 2, 1}, 0, 2, 0},
        {{2, 0, 3, 1}, 1, 1, 5},
        {{-10, -10, 1, 1}, 0, 1, 0},    // clipped to the buffer
        {{5, 5, 9, 9}, 0, 0, 0},
    };
    for (const Case& k : cases) {
        const RegionDiff d = compare_region(a.data(), b.data(), a.size(), 3, 2, k.area);
        EXPECT_EQ(d.differing, k.differing);
        EXPECT_EQ(d.total, k.total);
        EXPECT_EQ(d.max_delta, k.max_delta);
    }
    EXPECT_EQ(compare_region(a.data(), b.data(), 5, 3, 2, Rect{0, 0, 3, 2}).total, 0u) << "short buffer";
    EXPECT_EQ(compare_region(a.data(), nullptr, 6, 3, 2, Rect{0, 0, 3, 2}).total, 0u);
}

TEST(CompareReport, OneLinePerMonitor) {
    // Virtual screen from -2 to 2: the left monitor came through duplication with one changed
    // pixel, the right one did not.
    std::vector<uint32_t> dxgi = {1, 2, 0, 0, 3, 4, 0, 0};
    std::vector<uint32_t> gdi = {1, 9, 7, 7, 3, 4, 7, 7};
    CompareInput in;
    in.virtual_screen = Rect{-2, 0, 2, 2};
    in.monitors = {Rect{-2, 0, 0, 2}, Rect{0, 0, 2, 2}};
    in.copied = {Rect{-2, 0, 0, 2}};
    in.dxgi_pixels = dxgi.data();
    in.gdi_pixels = gdi.data();
    in.pixel_count = dxgi.size();
    const std::string report = compare_report(in);
    EXPECT_NE(report.find("virtual screen -2,0,2,2 (4x2), 2 monitor(s)\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\nmonitor -2,0,0,2: 1 of 4 pixels differ, max channel delta 7\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("\nmonitor 0,0,2,2: not captured by DXGI (GDI fallback)\n"), std::string::npos) << report;
}
