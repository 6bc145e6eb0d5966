#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "image/bitmap_ops_win.h"
#include "image/dib_bitmap_win.h"
#include "win/handles.h"

namespace {

// Every pixel gets a distinct colour and a set fourth byte.
void fill_numbered(DibBitmap& dib) {
    GdiFlush();
    uint32_t n = 1;
    for (uint32_t& p : dib.pixels()) p = 0xFF000000u | ((n++ * 0x010203u) & 0xFFFFFFu);
}

uint32_t raw(const DibBitmap& dib, int32_t x, int32_t y) {
    GdiFlush();
    return dib.bits[static_cast<size_t>(y) * dib.width + x];
}

// A DIB section whose memory holds the bottom row first.
Bitmap bottom_up_dib(int32_t width, int32_t height, WORD bit_count, void*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bit_count;
    return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

TEST(DibBitmapCreate, RefusesSizesItCannotHold) {
    struct Case { int32_t w, h; bool ok; };
    const Case cases[] = {{1, 1, true}, {640, 480, true}, {0, 1, false}, {1, 0, false},
                          {-3, 5, false}, {65536, 65536, false}, {INT32_MAX, 2, false}};
    for (const Case& c : cases) {
        const auto dib = DibBitmap::create(c.w, c.h);
        ASSERT_EQ(dib.has_value(), c.ok) << c.w << "x" << c.h;
        if (!dib) continue;
        EXPECT_EQ(dib->width, c.w);
        EXPECT_EQ(dib->height, c.h);
        BITMAP bm{};
        ASSERT_EQ(GetObjectW(dib->hbitmap(), sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
        EXPECT_EQ(bm.bmBitsPixel, 32);
        EXPECT_EQ(GetCurrentObject(dib->hdc(), OBJ_BITMAP), dib->hbitmap());
    }
}

TEST(BitmapPixel, ReadsGdiDrawingWithoutTheFourthByte) {
    auto dib = DibBitmap::create(5, 3);
    ASSERT_TRUE(dib);
    RECT left{0, 0, 2, 3}, right{2, 0, 5, 3};
    Brush red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dib->hdc(), &left, red.get());
    FillRect(dib->hdc(), &right, blue.get());
    dib->bits[1] |= 0xAB000000u;  // whatever GDI left there, the readout masks it
    struct Case { int32_t x, y; std::optional<uint32_t> colour; };
    const Case cases[] = {{0, 0, 0xFF0000u}, {1, 2, 0xFF0000u}, {2, 0, 0x0000FFu}, {4, 2, 0x0000FFu},
                          {5, 0, std::nullopt}, {-1, 0, std::nullopt}, {0, 3, std::nullopt}, {0, -1, std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(bitmap_pixel(*dib, c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST(CropBitmap, KeepsTheInsidePartAsAnIndependentCopy) {
    auto src = DibBitmap::create(6, 4);
    ASSERT_TRUE(src);
    fill_numbered(*src);
    struct Case { Rect rect; std::optional<Rect> inside; };
    const Case cases[] = {
        {{0, 0, 6, 4}, Rect{0, 0, 6, 4}},       {{2, 1, 5, 3}, Rect{2, 1, 5, 3}},
        {{-3, -2, 2, 2}, Rect{0, 0, 2, 2}},     {{4, 3, 40, 40}, Rect{4, 3, 6, 4}},
        {{6, 0, 9, 4}, std::nullopt},           {{-5, -5, 0, 0}, std::nullopt},
        {{3, 1, 3, 4}, std::nullopt},           {{1, 3, 4, 1}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto out = crop_bitmap(*src, c.rect);
        ASSERT_EQ(out.has_value(), c.inside.has_value()) << c.rect.l << "," << c.rect.t;
        if (!out) continue;
        ASSERT_EQ(out->width, c.inside->width());
        ASSERT_EQ(out->height, c.inside->height());
        for (int32_t y = 0; y < out->height; ++y)
            for (int32_t x = 0; x < out->width; ++x)
                ASSERT_EQ(raw(*out, x, y), raw(*src, c.inside->l + x, c.inside->t + y)) << x << "," << y;
    }
    auto copy = crop_bitmap(*src, {0, 0, 6, 4});
    ASSERT_TRUE(copy);
    src->bits[0] = 0x00ABCDEF;
    EXPECT_NE(raw(*copy, 0, 0), 0x00ABCDEFu);
}

TEST(BitmapFromHbitmap, BottomUpDibBecomesTopDownWithoutFourthByte) {
    // A 3 x 2 bottom-up DIB section: memory holds the bottom row first.
    void* bits = nullptr;
    Bitmap source = bottom_up_dib(3, 2, 32, bits);
    ASSERT_TRUE(source);
    const uint32_t memory[6] = {0xFF000004, 0xFF000005, 0xFF000006,   // bottom row
                                0xFF000001, 0xFF000002, 0xFF000003};  // top row
    std::copy(std::begin(memory), std::end(memory), static_cast<uint32_t*>(bits));
    GdiFlush();

    const auto out = bitmap_from_hbitmap(source.get());
    ASSERT_TRUE(out);
    ASSERT_EQ(out->width, 3);
    ASSERT_EQ(out->height, 2);
    const uint32_t expected[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(out->bits[i], expected[i]) << i;
}

TEST(BitmapFromHbitmap, CopiesDevicesAndOtherDepths) {
    // A device bitmap with a red top half and a blue bottom half.
    WindowDc screen(nullptr);
    Bitmap ddb(CreateCompatibleBitmap(screen.get(), 4, 6));
    ASSERT_TRUE(ddb);
    {
        MemoryDc dc(CreateCompatibleDC(screen.get()));
        SelectGuard select(dc.get(), ddb.get());
        RECT top{0, 0, 4, 3}, bottom{0, 3, 4, 6};
        Brush red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
        FillRect(dc.get(), &top, red.get());
        FillRect(dc.get(), &bottom, blue.get());
    }
    auto out = bitmap_from_hbitmap(ddb.get());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->width, 4);
    EXPECT_EQ(out->height, 6);
    EXPECT_EQ(out->bits[0], 0xFF0000u);
    EXPECT_EQ(out->bits[4 * 6 - 1], 0x0000FFu);

    // A bottom-up 24-bpp DIB with padded rows.
    void* bits = nullptr;
    Bitmap rgb = bottom_up_dib(3, 2, 24, bits);
    ASSERT_TRUE(rgb);
    auto* b = static_cast<uint8_t*>(bits);
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = b + row * 12 + x * 3;  // rows padded to 12 bytes
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(row);
            p[2] = 0x80;
        }
    GdiFlush();
    out = bitmap_from_hbitmap(rgb.get());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->bits[0], 0x800100u);      // top left came from the last row in memory
    EXPECT_EQ(out->bits[3 + 2], 0x800002u);  // bottom right

    EXPECT_FALSE(bitmap_from_hbitmap(nullptr));
    Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_FALSE(bitmap_from_hbitmap(reinterpret_cast<HBITMAP>(brush.get())));
}

TEST(RotateBitmap, ThreeByTwoTurnsAndTurnsBack) {
    auto src = DibBitmap::create(3, 2);
    ASSERT_TRUE(src);
    fill_numbered(*src);
    auto cw = rotate_bitmap(*src, true);
    ASSERT_TRUE(cw);
    ASSERT_EQ(cw->width, 2);
    ASSERT_EQ(cw->height, 3);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(raw(*cw, 1 - y, x), raw(*src, x, y));
    auto back = rotate_bitmap(*cw, false);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->width, 3);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(raw(*back, x, y), raw(*src, x, y));
}
