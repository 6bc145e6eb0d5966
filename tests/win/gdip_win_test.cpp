#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <zlib.h>

#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "strings/ui_strings.h"
#include "util/env_win.h"
#include "util/text.h"

#include "support/test_support_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

using namespace test_support;

// A folder of its own for the files one test writes; TMP/TEMP point there while it lives so
// the diagnostic log lands there too.
class ScratchDir : public ScratchEnvFolder {
public:
    ScratchDir() : ScratchEnvFolder("gdip", {"TMP", "TEMP"}) {}
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
        write_whole_file(at(name), bytes);
        return at(name);
    }
};

void put_be(std::vector<uint8_t>& v, uint32_t x) {
    v.insert(v.end(), {static_cast<uint8_t>(x >> 24), static_cast<uint8_t>(x >> 16), static_cast<uint8_t>(x >> 8),
                       static_cast<uint8_t>(x)});
}

void png_chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put_be(out, static_cast<uint32_t>(data.size()));
    const size_t body = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put_be(out, static_cast<uint32_t>(crc32(0, out.data() + body, static_cast<uInt>(out.size() - body))));
}

// A hand-made 8-bit RGBA PNG of the first rows_given rows; its header may claim another height
// and width than the rows hold.
std::vector<uint8_t> png_bytes(uint32_t width, uint32_t height, const std::vector<uint32_t>& argb,
                               uint32_t rows_given) {
    std::vector<uint8_t> raw;
    for (uint32_t y = 0; y < rows_given; ++y) {
        raw.push_back(0);  // no filter
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t p = argb[y * width + x];
            raw.insert(raw.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p),
                                   static_cast<uint8_t>(p >> 24)});
        }
    }
    std::vector<uint8_t> packed(compressBound(static_cast<uLong>(raw.size())));
    uLongf packed_size = static_cast<uLongf>(packed.size());
    compress(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packed_size);
    std::vector<uint8_t> ihdr;
    put_be(ihdr, width);
    put_be(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png_chunk(out, "IHDR", ihdr);
    png_chunk(out, "IDAT", packed);
    png_chunk(out, "IEND", {});
    return out;
}

// Saves pixels through a GDI+ encoder (PixelFormat32bppARGB).
bool save_with_gdiplus(const std::string& path, const CLSID& encoder, int32_t width, int32_t height,
                       std::vector<uint32_t> argb) {
    ensure_gdiplus_started();
    Gdiplus::GpBitmap* raw = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(argb.data()), &raw) != Gdiplus::Ok) {
        return false;
    }
    GdipImage image(raw);
    return gp::GdipSaveImageToFile(raw, to_wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

const CLSID BMP_ENCODER = {0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID JPEG_ENCODER = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// Draws the text's outline in black on white and returns the picture.
std::optional<DibBitmap> outline_text(const Gdiplus::GpFontFamily* family, const std::string& text, int32_t w,
                                   int32_t h) {
    auto dib = DibBitmap::create(w, h);
    if (!dib) return std::nullopt;
    PatBlt(dib->hdc, 0, 0, w, h, WHITENESS);
    {
        auto graphics = gdip_graphics_from_hdc(dib->hdc);
        if (!graphics) return std::nullopt;
        Gdiplus::GpPath* raw_path = nullptr;
        gp::GdipCreatePath(Gdiplus::FillModeAlternate, &raw_path);
        GdipPath path(raw_path);
        gdip_add_path_string(path.get(), text, family, 24.0f, 4.0f, 4.0f);
        Gdiplus::GpSolidFill* brush = nullptr;
        gp::GdipCreateSolidFill(0xFF000000, &brush);
        GdipBrush owned_brush(brush);
        gp::GdipFillPath(graphics->get(), brush, path.get());
    }
    GdiFlush();
    return dib;
}

bool ink(uint32_t p) { return (p & 0xFFFFFF) != 0xFFFFFF; }

// Runs of rows that hold ink: [first, last] pairs.
std::vector<std::pair<int32_t, int32_t>> ink_bands(const DibBitmap& dib) {
    std::vector<std::pair<int32_t, int32_t>> bands;
    for (int32_t y = 0; y < dib.height; ++y) {
        bool any = false;
        for (int32_t x = 0; x < dib.width && !any; ++x) any = ink(dib.bits[static_cast<size_t>(y) * dib.width + x]);
        if (!any) continue;
        if (!bands.empty() && bands.back().second == y - 1) {
            bands.back().second = y;
        } else {
            bands.emplace_back(y, y);
        }
    }
    return bands;
}

size_t ink_count(const DibBitmap& dib) {
    size_t n = 0;
    for (uint32_t p : dib.pixels()) n += ink(p) ? 1 : 0;
    return n;
}

}  // namespace

TEST(GdipText, EveryUiLanguageFaceDrawsItsOwnScript) {
    ensure_gdiplus_started();
    for (int i = 0; i < UI_LANGUAGE_COUNT; ++i) {
        const UiStrings& table = ui_table(static_cast<UiLanguage>(i));
        const char* face = table[UI_FONT_FACE];
        // The face itself must be known, or the family below would only be a fallback.
        Gdiplus::GpFontFamily* direct = nullptr;
        ASSERT_EQ(gp::GdipCreateFontFamilyFromName(to_wide(face).c_str(), nullptr, &direct), Gdiplus::Ok) << face;
        GdipFontFamily owned_direct(direct);
        auto family = gdip_font_family_for(face);
        ASSERT_TRUE(family) << face;
        for (const char* text : {"Ab", table[MENU_CAPTURE]}) {
            const auto dib = outline_text(family->get(), text, 400, 48);
            ASSERT_TRUE(dib);
            EXPECT_GT(ink_count(*dib), 40u) << face << ": " << text;
        }
    }
    EXPECT_TRUE(gdip_font_family());
}

TEST(GdipGraphics, NoneWithoutADc) { EXPECT_FALSE(gdip_graphics_from_hdc(nullptr)); }

TEST(GdipText, UnknownFaceFallsBack) {
    EXPECT_TRUE(gdip_font_family_for("No Such Face Ormick"));
    EXPECT_TRUE(gdip_font_family_for(""));
}

TEST(GdipText, EachLineIsLaidOutBelowThePrevious) {
    auto family = gdip_font_family_for("Segoe UI");
    ASSERT_TRUE(family);
    const auto one = outline_text(family->get(), "Ab", 120, 120);
    const auto two = outline_text(family->get(), "Ab\nCd", 120, 120);
    const auto crlf = outline_text(family->get(), "Ab\r\nCd", 120, 120);
    ASSERT_TRUE(one && two && crlf);
    const auto one_bands = ink_bands(*one);
    const auto two_bands = ink_bands(*two);
    ASSERT_EQ(one_bands.size(), 1u);
    ASSERT_EQ(two_bands.size(), 2u);
    EXPECT_EQ(two_bands[0], one_bands[0]);  // the first line stays where a single line goes
    EXPECT_GT(two_bands[1].first, two_bands[0].second + 1);
    EXPECT_EQ(ink_bands(*crlf), two_bands);
}

TEST(GdipText, FailureIsLoggedNotThrown) {
    ScratchDir dir;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", L"");
    Gdiplus::GpPath* raw_path = nullptr;
    gp::GdipCreatePath(Gdiplus::FillModeAlternate, &raw_path);
    GdipPath path(raw_path);
    gdip_add_path_string(path.get(), "Ab", nullptr, 24.0f, 0.0f, 0.0f);  // no family: invalid parameter
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    EXPECT_NE(read_whole_file(dir.at("ormick-oxel.log")).find("GdipAddPathString failed: status 2"), std::string::npos);
}

TEST(LoadImageFile, TransparentPngComesOutWhite) {
    ScratchDir dir;
    // Top row: opaque red, transparent, half-transparent blue; bottom row: opaque green and grey.
    const std::vector<uint32_t> argb = {0xFFFF0000, 0x00000000, 0x800000FF, 0xFF00FF00, 0xFF808080, 0xFF010203};
    const std::string path = dir.write("alpha.png", png_bytes(3, 2, argb, 2));
    const auto dib = load_image_file(path);
    ASSERT_TRUE(dib);
    ASSERT_EQ(dib->width, 3);
    ASSERT_EQ(dib->height, 2);
    EXPECT_EQ(dib->bits[0], 0x00FF0000u);
    EXPECT_EQ(dib->bits[1], 0x00FFFFFFu);  // fourth byte 0 as well
    EXPECT_EQ(dib->bits[3], 0x0000FF00u);
    EXPECT_EQ(dib->bits[5], 0x00010203u);
    const uint32_t blended = dib->bits[2];  // blue over white
    EXPECT_EQ(blended >> 24, 0u);
    EXPECT_EQ(blended & 0xFF, 0xFFu);
    EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 0x7F, 3);
}

TEST(LoadImageFile, BmpJpegAndNonAsciiPaths) {
    ScratchDir dir;
    std::vector<uint32_t> rgb(4 * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint32_t>(i * 0x111111);
    const std::string bmp_path = dir.at("rows.bmp");
    std::vector<uint32_t> opaque = rgb;
    for (uint32_t& p : opaque) p |= 0xFF000000;
    ASSERT_TRUE(save_with_gdiplus(bmp_path, BMP_ENCODER, 4, 3, opaque));
    const auto bmp = load_image_file(bmp_path);
    ASSERT_TRUE(bmp);
    ASSERT_EQ(bmp->width, 4);
    ASSERT_EQ(bmp->height, 3);
    for (size_t i = 0; i < rgb.size(); ++i) EXPECT_EQ(bmp->bits[i], rgb[i]) << i;

    // 16 x 16: left half red, right half blue.
    std::vector<uint32_t> halves(16 * 16);
    for (size_t i = 0; i < halves.size(); ++i) halves[i] = (i % 16) < 8 ? 0xFFFF0000 : 0xFF0000FF;
    const std::string jpeg_path = dir.at("halves.jpg");
    ASSERT_TRUE(save_with_gdiplus(jpeg_path, JPEG_ENCODER, 16, 16, halves));
    const auto jpeg = load_image_file(jpeg_path);
    ASSERT_TRUE(jpeg);
    ASSERT_EQ(jpeg->width, 16);
    const uint32_t left = jpeg->bits[8 * 16 + 2], right = jpeg->bits[8 * 16 + 13];
    EXPECT_GT((left >> 16) & 0xFF, 200u);
    EXPECT_LT(left & 0xFF, 60u);
    EXPECT_GT(right & 0xFF, 200u);
    EXPECT_LT((right >> 16) & 0xFF, 60u);
    EXPECT_EQ(left >> 24, 0u);

    const std::vector<uint32_t> one = {0xFF123456};
    const auto named = load_image_file(dir.write("bild-\xC3\xBC\xE4\xB8\xAD.png", png_bytes(1, 1, one, 1)));
    ASSERT_TRUE(named);
    EXPECT_EQ(named->bits[0], 0x00123456u);
}

TEST(LoadImageFile, BadInputGivesNone) {
    ScratchDir dir;
    const std::vector<uint32_t> px(4, 0xFF00FF00);
    const std::vector<uint8_t> valid = png_bytes(2, 2, px, 2);
    std::vector<uint8_t> noise(4096);
    uint32_t seed = 12345;
    for (uint8_t& b : noise) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
    const std::string text = "Not an image at all.\r\nJust words.\r\n";

    struct Case { const char* name; std::vector<uint8_t> bytes; };
    const Case cases[] = {
        {"empty.png", {}},
        {"cut-header.png", std::vector<uint8_t>(valid.begin(), valid.begin() + 20)},
        {"cut-data.png", std::vector<uint8_t>(valid.begin(), valid.end() - 20)},
        {"noise.png", noise},
        {"words.txt", std::vector<uint8_t>(text.begin(), text.end())},
        {"huge.png", png_bytes(100000, 100000, std::vector<uint32_t>(100000, 0xFF000000), 1)},
    };
    for (const Case& c : cases) EXPECT_FALSE(load_image_file(dir.write(c.name, c.bytes))) << c.name;
    EXPECT_FALSE(load_image_file(dir.at("missing.png")));
    EXPECT_FALSE(load_image_file(""));
}
