#include <gtest/gtest.h>

#include <algorithm>

#include "annot/pixel_filters.h"

namespace {
std::vector<uint32_t> noise(size_t n, uint32_t seed) {
    std::vector<uint32_t> px(n);
    for (uint32_t& p : px) p = seed = seed * 1664525u + 1013904223u;
    return px;
}

uint32_t channel(uint32_t p, int c) { return (p >> (8 * c)) & 0xFF; }

// The mean over the clamped window, computed the slow way.
uint32_t reference_blur(const std::vector<uint32_t>& row, size_t x, int r) {
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
        uint32_t sum = 0;
        for (int k = -r; k <= r; ++k) {
            const int64_t at = std::clamp<int64_t>(static_cast<int64_t>(x) + k, 0, static_cast<int64_t>(row.size()) - 1);
            sum += channel(row[static_cast<size_t>(at)], c);
        }
        out |= (sum / static_cast<uint32_t>(2 * r + 1)) << (8 * c);
    }
    return out;
}
}  // namespace

TEST(MosaicCellOffsets, StayOnTheGrid) {
    struct Case { int32_t start, span; std::vector<int32_t> out; };
    const Case cases[] = {
        {0, 36, {0, 12, 24, 36}},
        {5, 30, {0, 7, 19, 30}},         // start not a multiple of 12
        {-5, 20, {0, 5, 17, 20}},        // negative start: -5 + 5 = 0 is on the grid
        {-12, 13, {0, 12, 13}},
        {3, 8, {0, 8}},                  // shorter than a cell, no boundary inside
        {10, 8, {0, 2, 8}},              // short span crossing a boundary
        {24, 12, {0, 12}},               // exact multiple
        {7, 0, {0}},
        {7, -4, {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(mosaic_cell_offsets(12, c.start, c.span), c.out) << c.start << " " << c.span;
}

TEST(MosaicPixels, CellMeansWithTheFourthByteZero) {
    // A 14 x 3 image anchored at 0: columns 0..11 and 12..13 form two cells.
    std::vector<uint32_t> px(14 * 3);
    for (size_t y = 0; y < 3; ++y) {
        for (size_t x = 0; x < 14; ++x) px[y * 14 + x] = 0xFF000000u | (x < 12 ? (x % 2 ? 0x0A1421u : 0x0B1522u) : 0x00FF01u);
    }
    mosaic_pixels(px, 14, 3, 0, 0);
    for (size_t y = 0; y < 3; ++y) {
        for (size_t x = 0; x < 14; ++x) {
            // (0x0A + 0x0B) / 2 = 0x0A remainder dropped; fourth byte cleared.
            EXPECT_EQ(px[y * 14 + x], x < 12 ? 0x0A1421u : 0x00FF01u) << x << "," << y;
        }
    }
}

TEST(MosaicPixels, AnchorDecidesTheCells) {
    // The same content mosaicked with a grid start shifted by 12 gives the same cells; a start
    // shifted by 5 moves the boundaries.
    const auto src = noise(40 * 30, 7);
    auto a = src, b = src, c = src;
    mosaic_pixels(a, 40, 30, 0, 0);
    mosaic_pixels(b, 40, 30, 24, -12);
    mosaic_pixels(c, 40, 30, 5, 0);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(c[6], c[0]);   // columns 0..6 form one cell when the grid starts at 5
    EXPECT_NE(c[7], c[6]);
}

TEST(BoxBlur, MatchesTheClampedMeanAndRepeatsEdges) {
    for (size_t len : {size_t{1}, size_t{2}, size_t{9}, size_t{19}, size_t{40}}) {
        const auto row = noise(len * 2, static_cast<uint32_t>(len));
        std::vector<uint32_t> out(row.size(), 0xDEADBEEF);
        box_blur_rows(out, row, len, 9);
        for (size_t y = 0; y < 2; ++y) {
            const std::vector<uint32_t> one(row.begin() + static_cast<ptrdiff_t>(y * len),
                                            row.begin() + static_cast<ptrdiff_t>((y + 1) * len));
            for (size_t x = 0; x < len; ++x) ASSERT_EQ(out[y * len + x], reference_blur(one, x, 9)) << len << " " << x;
        }
    }
    // A white row stays white at its edges: the edge pixel repeats, no black comes in.
    std::vector<uint32_t> white(30, 0xFFFFFFFF), out(30);
    box_blur_rows(out, white, 30, 9);
    EXPECT_EQ(out.front(), 0x00FFFFFFu);
    EXPECT_EQ(out.back(), 0x00FFFFFFu);
}

TEST(FilterChunks, AtMostEightOfEqualSize) {
    struct Case { size_t rows; std::vector<RowRange> out; };
    const Case cases[] = {
        {0, {}},
        {1, {{0, 1}}},
        {10, {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}},  // ceil(10 / 8) = 2: five chunks
        {8, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}}},
        {17, {{0, 3}, {3, 6}, {6, 9}, {9, 12}, {12, 15}, {15, 17}}},
    };
    for (const Case& c : cases) EXPECT_EQ(filter_chunks(c.rows), c.out) << c.rows;
}

TEST(TransposeTiles, AtSizesThatAreNotMultiplesOfTheTile) {
    for (auto [w, h] : {std::pair<size_t, size_t>{1, 1}, {1, 70}, {70, 1}, {33, 65}, {64, 31}, {100, 100}}) {
        const auto src = noise(w * h, static_cast<uint32_t>(w * 1000 + h));
        std::vector<uint32_t> dst(w * h), on_threads(w * h);
        transpose_tiles(src, dst, w, h);
        for (size_t y = 0; y < h; ++y) {
            for (size_t x = 0; x < w; ++x) ASSERT_EQ(dst[x * h + y], src[y * w + x]) << w << "x" << h;
        }
        parallel_transpose(src, on_threads, w, h);
        EXPECT_EQ(on_threads, dst) << w << "x" << h;
    }
}

TEST(BlurPixels, ParallelAndSerialAreBitIdentical) {
    for (auto [w, h] : {std::pair<int32_t, int32_t>{1, 1}, {1, 23}, {23, 1}, {37, 10}, {200, 131}}) {
        const auto src = noise(static_cast<size_t>(w * h), static_cast<uint32_t>(w + h));
        auto serial = src, parallel = src;
        std::vector<uint32_t> scratch;
        blur_pixels(serial, w, h, scratch, 1);
        blur_pixels(parallel, w, h, scratch, MAX_FILTER_THREADS);
        EXPECT_EQ(serial, parallel) << w << "x" << h;
        for (uint32_t p : parallel) ASSERT_EQ(p >> 24, 0u);
    }
    // A flat colour stays the same colour everywhere, edges included.
    std::vector<uint32_t> flat(50 * 20, 0xFF336699), scratch;
    blur_pixels(flat, 50, 20, scratch);
    for (uint32_t p : flat) ASSERT_EQ(p, 0x00336699u);
}

TEST(BlurPixels, NothingToDoForNoRows) {
    std::vector<uint32_t> none, target;
    parallel_pixel_filter(none, target, 5, 0);
    std::vector<uint32_t> scratch;
    blur_pixels(none, 0, 7, scratch);
    blur_pixels(none, 7, 0, scratch);
    EXPECT_TRUE(scratch.empty());
}
