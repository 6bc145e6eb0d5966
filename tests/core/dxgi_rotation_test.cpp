#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dxgi/prewarm.h"
#include "dxgi/rotation.h"

namespace {

// A w x h texture whose texels are all different: (row << 16) | column, plus one.
std::vector<uint32_t> unique_texels(uint32_t w, uint32_t h) {
    std::vector<uint32_t> t(static_cast<size_t>(w) * h);
    for (uint32_t r = 0; r < h; ++r)
        for (uint32_t c = 0; c < w; ++c) t[static_cast<size_t>(r) * w + c] = ((r << 16) | c) + 1;
    return t;
}

uint32_t texel(uint32_t c, uint32_t r) { return ((r << 16) | c) + 1; }

}  // namespace

// A 4 x 3 monitor; a rotated one delivers a 3 x 4 texture. The buffer is the monitor itself.
struct CornerCase {
    uint32_t rotation;
    // Texel landing at the buffer's top-left, top-right, bottom-left, bottom-right.
    uint32_t tl, tr, bl, br;
};

class RotationCorners : public ::testing::TestWithParam<CornerCase> {};

TEST_P(RotationCorners, CornersLandUpright) {
    const CornerCase& k = GetParam();
    const Rect dest{0, 0, 4, 3};
    const TexelSize size = texture_size_for(k.rotation, dest);
    const std::vector<uint32_t> tex = unique_texels(size.width, size.height);
    std::vector<uint32_t> buf(12, 0);
    ASSERT_TRUE(copy_texels(TexelView{reinterpret_cast<const uint8_t*>(tex.data()), size.width * 4, size.width,
                                      size.height},
                            k.rotation, PixelTarget{buf.data(), buf.size(), 4, 3}, dest));
    EXPECT_EQ(buf[0], k.tl);
    EXPECT_EQ(buf[3], k.tr);
    EXPECT_EQ(buf[8], k.bl);
    EXPECT_EQ(buf[11], k.br);
    for (uint32_t v : buf) EXPECT_NE(v, 0u) << "every pixel written";
}

// Texture (c, r); for 90 degrees the texture is 3 wide and 4 high.
INSTANTIATE_TEST_SUITE_P(
    AllRotations, RotationCorners,
    ::testing::Values(CornerCase{ROTATION_UNSPECIFIED, texel(0, 0), texel(3, 0), texel(0, 2), texel(3, 2)},
                      CornerCase{ROTATION_IDENTITY, texel(0, 0), texel(3, 0), texel(0, 2), texel(3, 2)},
                      CornerCase{ROTATION_90, texel(0, 3), texel(0, 0), texel(2, 3), texel(2, 0)},
                      CornerCase{ROTATION_180, texel(3, 2), texel(0, 2), texel(3, 0), texel(0, 0)},
                      CornerCase{ROTATION_270, texel(2, 0), texel(2, 3), texel(0, 0), texel(0, 3)}));

TEST(Rotation, RotatedTextureExchangesTheAxes) {
    const Rect monitor{100, 50, 1380, 1074};  // 1280 x 1024
    EXPECT_EQ(texture_size_for(ROTATION_IDENTITY, monitor), (TexelSize{1280, 1024}));
    EXPECT_EQ(texture_size_for(ROTATION_180, monitor), (TexelSize{1280, 1024}));
    EXPECT_EQ(texture_size_for(ROTATION_90, monitor), (TexelSize{1024, 1280}));
    EXPECT_EQ(texture_size_for(ROTATION_270, monitor), (TexelSize{1024, 1280}));
    // The region texture of a part at 90 degrees is h x w.
    const auto box = texel_box_for(ROTATION_90, monitor, Rect{200, 60, 500, 160});
    ASSERT_TRUE(box);
    EXPECT_EQ(box->width(), 100u);
    EXPECT_EQ(box->height(), 300u);
}

TEST(Rotation, BoxOfAPartHoldsExactlyTheTexelsLandingThere) {
    const Rect whole{-300, 20, 100, 270};  // 400 x 250, left of the primary monitor
    const Rect part{-250, 100, -30, 141};
    for (uint32_t rotation : {ROTATION_IDENTITY, ROTATION_90, ROTATION_180, ROTATION_270}) {
        SCOPED_TRACE(rotation);
        const TexelSize size = texture_size_for(rotation, whole);
        const auto box = texel_box_for(rotation, whole, part);
        ASSERT_TRUE(box);
        for (uint32_t r = 0; r < size.height; ++r) {
            for (uint32_t c = 0; c < size.width; ++c) {
                const BufferPoint p = texel_to_buffer(rotation, whole, c, r);
                const bool in_box = c >= box->left && c < box->right && r >= box->top && r < box->bottom;
                ASSERT_EQ(part.contains(p.x, p.y), in_box) << c << "," << r;
                // The box copied on its own lands by the same mapping onto the part.
                if (in_box) {
                    ASSERT_EQ(texel_to_buffer(rotation, part, c - box->left, r - box->top), p) << c << "," << r;
                }
            }
        }
    }
}

TEST(CopyTexels, RowsAdvanceByTheRowPitch) {
    // Two 3-texel rows, 16 bytes apart (4 bytes of padding), copied into a 5 x 4 buffer at (1, 1).
    std::vector<uint8_t> mapped(32, 0xEE);
    const uint32_t rows[2][3] = {{1, 2, 3}, {4, 5, 6}};
    std::memcpy(mapped.data(), rows[0], 12);
    std::memcpy(mapped.data() + 16, rows[1], 12);
    std::vector<uint32_t> buf(20, 0);
    ASSERT_TRUE(copy_texels(TexelView{mapped.data(), 16, 3, 2}, ROTATION_IDENTITY,
                            PixelTarget{buf.data(), buf.size(), 5, 4}, Rect{1, 1, 4, 3}));
    const std::vector<uint32_t> want = {0, 0, 0, 0, 0, 0, 1, 2, 3, 0, 0, 4, 5, 6, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(buf, want);
}

TEST(CopyTexels, RefusesWhatDoesNotFit) {
    const std::vector<uint32_t> tex = unique_texels(4, 3);
    const auto* data = reinterpret_cast<const uint8_t*>(tex.data());
    std::vector<uint32_t> buf(12, 0);
    struct Case {
        const char* what;
        TexelView src;
        uint32_t rotation;
        PixelTarget dst;
        Rect dest;
    };
    const Case cases[] = {
        {"texture not the monitor's size", {data, 16, 4, 3}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {0, 0, 3, 3}},
        {"unrotated size for a 90 degree monitor", {data, 16, 4, 3}, ROTATION_90, {buf.data(), 12, 4, 3}, {0, 0, 4, 3}},
        {"rectangle left of the buffer", {data, 16, 4, 3}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {-1, 0, 3, 3}},
        {"rectangle below the buffer", {data, 16, 4, 3}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {0, 1, 4, 4}},
        {"row pitch shorter than a row", {data, 12 - 4, 4, 3}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {0, 0, 4, 3}},
        {"buffer shorter than its size", {data, 16, 4, 3}, ROTATION_IDENTITY, {buf.data(), 11, 4, 3}, {0, 0, 4, 3}},
        {"no buffer", {data, 16, 4, 3}, ROTATION_IDENTITY, {nullptr, 12, 4, 3}, {0, 0, 4, 3}},
        {"no texels", {nullptr, 16, 4, 3}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {0, 0, 4, 3}},
        {"empty rectangle", {data, 16, 0, 0}, ROTATION_IDENTITY, {buf.data(), 12, 4, 3}, {2, 2, 2, 2}},
    };
    for (const Case& k : cases) {
        EXPECT_FALSE(copy_texels(k.src, k.rotation, k.dst, k.dest)) << k.what;
        EXPECT_EQ(buf, std::vector<uint32_t>(12, 0)) << k.what << ": nothing written";
    }
}

TEST(PrewarmKeep, SixtiethTickEndsTheTimerEvenWhenAnotherStepIsWanted) {
    struct Case { uint32_t ticks; bool again; bool keep; };
    const Case cases[] = {{1, true, true}, {59, true, true}, {60, true, false}, {61, true, false},
                          {1, false, false}, {59, false, false}};
    for (const Case& k : cases) EXPECT_EQ(prewarm_keep(k.ticks, k.again), k.keep) << k.ticks << " " << k.again;
}
