#include <gtest/gtest.h>

#include <numeric>

#include "capture/dim.h"

TEST(DimPixel, HalvesEachChannelAndClearsTheFourthByte) {
    struct Case { uint32_t in, out; };
    const Case cases[] = {
        {0xFFFFFFFF, 0x007F7F7F}, {0x00000000, 0x00000000}, {0x00010101, 0x00000000},
        {0xFF020406, 0x00010203}, {0x00FF0000, 0x007F0000}, {0x000000FF, 0x0000007F},
        {0x80808080, 0x00404040},  // the fourth byte's bit must not leak into red
    };
    for (const Case& c : cases) EXPECT_EQ(dim_pixel(c.in), c.out) << std::hex << c.in;
}

TEST(DimChunks, CoverEveryPixelOnceInAtMostEightChunks) {
    for (size_t n : {size_t{1}, size_t{7}, size_t{8}, size_t{9}, size_t{17}, size_t{1920 * 1080}, size_t{1000003}}) {
        const auto chunks = dim_chunks(n);
        ASSERT_FALSE(chunks.empty()) << n;
        EXPECT_LE(chunks.size(), MAX_DIM_THREADS) << n;
        const size_t size = std::max<size_t>(1, (n + 7) / 8);
        size_t at = 0;
        for (const PixelRange& c : chunks) {
            EXPECT_EQ(c.begin, at) << n;
            EXPECT_GT(c.end, c.begin) << n;
            EXPECT_LE(c.end - c.begin, size) << n;
            at = c.end;
        }
        EXPECT_EQ(at, n);
    }
    EXPECT_TRUE(dim_chunks(0).empty());
    EXPECT_EQ(dim_chunks(7).size(), 7u);  // chunks of one pixel
    EXPECT_EQ(dim_chunks(17), (std::vector<PixelRange>{{0, 3}, {3, 6}, {6, 9}, {9, 12}, {12, 15}, {15, 17}}));
}

TEST(DimScreen, MatchesTheSerialResultOnEitherSideOfTheThreadThreshold) {
    for (size_t n : {size_t{4099}, PARALLEL_DIM_MIN_PIXELS + 5}) {
        std::vector<uint32_t> src(n);
        for (size_t i = 0; i < n; ++i) src[i] = static_cast<uint32_t>(i) * 2654435761u;
        std::vector<uint32_t> dst(n, 0xDEADBEEF);
        dim_screen(src, dst);
        for (size_t i = 0; i < n; i += 997) ASSERT_EQ(dst[i], dim_pixel(src[i])) << n << " at " << i;
        ASSERT_EQ(dst[n - 1], dim_pixel(src[n - 1])) << n;
    }
}

TEST(DimPixelsParallel, MatchesTheSerialResult) {
    for (size_t n : {size_t{1}, size_t{7}, size_t{8}, size_t{13}, size_t{4099}}) {
        std::vector<uint32_t> src(n);
        std::iota(src.begin(), src.end(), 0xFFFFFF00u - static_cast<uint32_t>(n) * 977u);
        for (size_t i = 0; i < n; ++i) src[i] *= 2654435761u;
        std::vector<uint32_t> dst(n, 0xDEADBEEF);
        dim_pixels_parallel(src, dst);
        for (size_t i = 0; i < n; ++i) ASSERT_EQ(dst[i], dim_pixel(src[i])) << n << " at " << i;
    }
}
