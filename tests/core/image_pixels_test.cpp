#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <numeric>

#include "image/pixels.h"

namespace {

uint32_t read_u32(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

uint16_t read_u16(const std::vector<uint8_t>& b, size_t at) {
    uint16_t v = 0;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

}  // namespace

TEST(ClampCropRect, KeepsOnlyTheInsidePart) {
    struct Case { Rect in; std::optional<Rect> out; };
    const Case cases[] = {
        {{1, 1, 3, 3}, Rect{1, 1, 3, 3}},
        {{-2, -3, 2, 2}, Rect{0, 0, 2, 2}},
        {{3, 2, 10, 10}, Rect{3, 2, 4, 3}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Rect{0, 0, 4, 3}},
        {{4, 0, 8, 2}, std::nullopt},     // right of the image
        {{-5, -5, 0, 0}, std::nullopt},   // above and left, touching the corner
        {{0, 3, 4, 9}, std::nullopt},     // below
        {{2, 1, 2, 3}, std::nullopt},     // l == r
        {{3, 1, 1, 2}, std::nullopt},     // l > r
        {{0, 2, 4, 2}, std::nullopt},     // t == b
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clamp_crop_rect(c.in, 4, 3), c.out) << c.in.l << "," << c.in.t << "," << c.in.r << "," << c.in.b;
    }
}

TEST(PixelAt, OutsideGivesNoneInsideGivesTheColourOnly) {
    const std::vector<uint32_t> px = {0xFF000001, 0xAB000002, 0x00000003, 0x12345678, 0xFFFFFFFF, 0x7F000006};
    struct Case { int32_t x, y; std::optional<uint32_t> out; };
    const Case cases[] = {
        {0, 0, 0x000001u}, {1, 0, 0x000002u}, {0, 1, 0x345678u}, {2, 1, 0x000006u}, {1, 1, 0xFFFFFFu},
        {3, 0, std::nullopt}, {-1, 0, std::nullopt}, {0, 2, std::nullopt}, {0, -1, std::nullopt},
        {INT_MIN, 0, std::nullopt}, {0, INT_MAX, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(pixel_at(px, 3, 2, c.x, c.y), c.out) << c.x << "," << c.y;
}

TEST(ClearFourthByte, KeepsTheColour) {
    std::vector<uint32_t> px = {0xFF123456, 0x01ABCDEF, 0x00000000};
    clear_fourth_byte(px);
    EXPECT_EQ(px, (std::vector<uint32_t>{0x123456, 0xABCDEF, 0}));
}

TEST(RotatePixels, ThreeByTwoBothWays) {
    // a b c
    // d e f
    const std::vector<uint32_t> src = {'a', 'b', 'c', 'd', 'e', 'f'};
    std::vector<uint32_t> cw(6), ccw(6);
    rotate_pixels(src, 3, 2, true, cw);
    rotate_pixels(src, 3, 2, false, ccw);
    // Two wide, three high.
    EXPECT_EQ(cw, (std::vector<uint32_t>{'d', 'a', 'e', 'b', 'f', 'c'}));
    EXPECT_EQ(ccw, (std::vector<uint32_t>{'c', 'f', 'b', 'e', 'a', 'd'}));

    std::vector<uint32_t> back(6);
    rotate_pixels(cw, 2, 3, false, back);
    EXPECT_EQ(back, src);
    rotate_pixels(ccw, 2, 3, true, back);
    EXPECT_EQ(back, src);
}

TEST(RotatePixels, LargerThanOneTileMatchesTheMapping) {
    const int32_t w = 131, h = 70;
    std::vector<uint32_t> src(static_cast<size_t>(w) * h);
    std::iota(src.begin(), src.end(), 1u);
    std::vector<uint32_t> cw(src.size()), ccw(src.size());
    rotate_pixels(src, w, h, true, cw);
    rotate_pixels(src, w, h, false, ccw);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t v = src[static_cast<size_t>(y) * w + x];
            ASSERT_EQ(cw[static_cast<size_t>(x) * h + (h - 1 - y)], v) << x << "," << y;
            ASSERT_EQ(ccw[static_cast<size_t>(w - 1 - x) * h + y], v) << x << "," << y;
        }
    }
    std::vector<uint32_t> back(src.size());
    rotate_pixels(cw, h, w, false, back);
    EXPECT_EQ(back, src);
}

TEST(RotatePixelsDeathTest, OutputOfTheWrongSizeEndsTheProcess) {
    const std::vector<uint32_t> src(6);
    std::vector<uint32_t> out(5);
    EXPECT_DEATH(rotate_pixels(src, 3, 2, true, out), "");
}

TEST(PackCfDib, OneByOne) {
    const std::vector<uint32_t> px = {0x00123456};
    const auto dib = pack_cf_dib(px, 1, 1);
    ASSERT_TRUE(dib);
    ASSERT_EQ(dib->size(), 44u);
    EXPECT_EQ(read_u32(*dib, 0), 40u);     // biSize
    EXPECT_EQ(read_u32(*dib, 4), 1u);      // biWidth
    EXPECT_EQ(read_u32(*dib, 8), 1u);      // biHeight, positive
    EXPECT_EQ(read_u16(*dib, 12), 1u);     // biPlanes
    EXPECT_EQ(read_u16(*dib, 14), 32u);    // biBitCount
    EXPECT_EQ(read_u32(*dib, 16), 0u);     // BI_RGB
    EXPECT_EQ(read_u32(*dib, 20), 4u);     // biSizeImage
    for (size_t at = 24; at < 40; at += 4) EXPECT_EQ(read_u32(*dib, at), 0u) << at;
    EXPECT_EQ((*dib)[40], 0x56);
    EXPECT_EQ((*dib)[41], 0x34);
    EXPECT_EQ((*dib)[42], 0x12);
    EXPECT_EQ((*dib)[43], 0xFF);
}

TEST(PackCfDib, RowsGoBottomUpWithTheFourthByteSet) {
    const std::vector<uint32_t> px = {0x000001, 0x000002, 0x000003,    // top row
                                      0x7F000004, 0x000005, 0xFF000006};  // bottom row
    const auto dib = pack_cf_dib(px, 3, 2);
    ASSERT_TRUE(dib);
    ASSERT_EQ(dib->size(), 40u + 24u);
    EXPECT_EQ(read_u32(*dib, 4), 3u);
    EXPECT_EQ(read_u32(*dib, 8), 2u);
    EXPECT_EQ(read_u32(*dib, 20), 24u);
    const uint32_t expected[] = {0xFF000004, 0xFF000005, 0xFF000006, 0xFF000001, 0xFF000002, 0xFF000003};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(read_u32(*dib, 40 + i * 4), expected[i]) << i;
}

TEST(CfDibSize, RefusesWhatTheHeaderCannotHold) {
    struct Case { int32_t w, h; std::optional<size_t> size; };
    const Case cases[] = {
        {1, 1, 44},
        {3, 2, 64},
        {32768, 32767, size_t{40} + size_t{32768} * 32767 * 4},
        {32768, 32768, std::nullopt},  // exactly 4 GiB of pixels
        {65536, 16384, std::nullopt},
        {INT_MAX, INT_MAX, std::nullopt},
        {0, 5, std::nullopt},
        {5, -1, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(cf_dib_size(c.w, c.h), c.size) << c.w << "x" << c.h;
    EXPECT_FALSE(pack_cf_dib({}, 0, 0));
}

TEST(LoadableImageSize, RefusesHugeOrEmptyImages) {
    struct Case { uint64_t w, h; bool ok; };
    const Case cases[] = {
        {1, 1, true},       {16384, 16384, true}, {1920, 120000, true}, {16385, 16384, false},
        {100000, 100000, false}, {0, 10, false}, {10, 0, false}, {uint64_t{1} << 32, 1, false},
        {0xFFFFFFFF, 0xFFFFFFFF, false},
    };
    for (const Case& c : cases) EXPECT_EQ(loadable_image_size(c.w, c.h), c.ok) << c.w << "x" << c.h;
}
