#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <zlib.h>

#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "image/image_load_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/env.h"

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

// A 24-bit BMP whose header claims width x height and that holds only pixel_bytes of pixels.
std::vector<uint8_t> bmp_claiming(int32_t width, int32_t height, uint32_t pixel_bytes) {
    std::vector<uint8_t> out = {'B', 'M'};
    const auto le32 = [&out](uint32_t v) {
        out.insert(out.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                               static_cast<uint8_t>(v >> 24)});
    };
    le32(54 + pixel_bytes);
    le32(0);
    le32(54);
    le32(40);
    le32(static_cast<uint32_t>(width));
    le32(static_cast<uint32_t>(height));
    out.insert(out.end(), {1, 0, 24, 0});  // planes, bits per pixel
    le32(0);                               // BI_RGB
    for (int i = 0; i < 5; ++i) le32(0);
    out.insert(out.end(), pixel_bytes, 0x7F);
    return out;
}

// The most memory this process has held at any time so far. Wine's peak commit does not move;
// its peak working set does, when a decoder fills the pixels of a claimed size.
SIZE_T peak_working_set() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PeakWorkingSetSize;
}

const CLSID BMP_ENCODER = {0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID JPEG_ENCODER = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID TIFF_ENCODER = {0x557CF405, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID PNG_ENCODER = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

void put_le(std::vector<uint8_t>& v, uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

// A one-entry icon holding `image`, listed as w x h.
std::vector<uint8_t> icon_holding(uint8_t w, uint8_t h, const std::vector<uint8_t>& image) {
    std::vector<uint8_t> out;
    put_le(out, 0, 2);
    put_le(out, 1, 2);
    put_le(out, 1, 2);
    out.insert(out.end(), {w, h, 0, 0});
    put_le(out, 1, 2);
    put_le(out, 32, 2);
    put_le(out, static_cast<uint32_t>(image.size()), 4);
    put_le(out, 22, 4);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

// An icon's 32-bpp DIB: the header counts the mask rows in its height; all opaque.
std::vector<uint8_t> icon_dib(uint32_t w, uint32_t h, uint32_t bgra) {
    std::vector<uint8_t> out;
    put_le(out, 40, 4);
    put_le(out, w, 4);
    put_le(out, 2 * h, 4);
    put_le(out, 1, 2);
    put_le(out, 32, 2);
    for (int i = 0; i < 6; ++i) put_le(out, 0, 4);
    for (uint32_t i = 0; i < w * h; ++i) put_le(out, bgra, 4);
    const uint32_t mask_stride = (w + 31) / 32 * 4;
    out.insert(out.end(), static_cast<size_t>(mask_stride) * h, 0);
    return out;
}

// Draws the text's outline in black on white and returns the picture.
std::optional<DibBitmap> outline_text(const Gdiplus::GpFontFamily* family, const std::string& text, int32_t w,
                                   int32_t h) {
    auto dib = DibBitmap::create(w, h);
    if (!dib) return std::nullopt;
    PatBlt(dib->hdc(), 0, 0, w, h, WHITENESS);
    {
        auto graphics = gdip_graphics_from_hdc(dib->hdc());
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

// Files as real encoders write them get through the header check.
TEST(LoadImageFile, EveryFormatLoadsWithItsSize) {
    ScratchDir dir;
    std::vector<uint32_t> argb(5 * 3);
    for (size_t i = 0; i < argb.size(); ++i) argb[i] = 0xFF000000 | static_cast<uint32_t>(i * 0x0F0E0D);
    struct Encoded { const char* name; const CLSID* encoder; };
    for (const Encoded& e : {Encoded{"g.bmp", &BMP_ENCODER}, Encoded{"g.jpg", &JPEG_ENCODER},
                             Encoded{"g.tif", &TIFF_ENCODER}, Encoded{"g.png", &PNG_ENCODER}}) {
        ASSERT_TRUE(save_with_gdiplus(dir.at(e.name), *e.encoder, 5, 3, argb)) << e.name;
        const auto dib = load_image_file(dir.at(e.name));
        ASSERT_TRUE(dib) << e.name;
        EXPECT_EQ(dib->width, 5) << e.name;
        EXPECT_EQ(dib->height, 3) << e.name;
    }
    // Wine's GIF encoder writes a frame without image data: this one is made by hand. One red
    // pixel: a two-colour table, then the codes clear, 0, end.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF,
                                      0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    const auto red = load_image_file(dir.write("red.gif", gif));
    ASSERT_TRUE(red);
    EXPECT_EQ(red->width, 1);
    EXPECT_EQ(red->height, 1);
    EXPECT_EQ(red->bits[0], 0x00FF0000u);
    const std::vector<uint8_t> green = png_bytes(4, 2, std::vector<uint32_t>(8, 0xFF00FF00), 2);
    const auto png_icon = load_image_file(dir.write("png.ico", icon_holding(4, 2, green)));
    ASSERT_TRUE(png_icon);
    EXPECT_EQ(png_icon->width, 4);
    EXPECT_EQ(png_icon->height, 2);
    const auto dib_icon = load_image_file(dir.write("dib.ico", icon_holding(16, 8, icon_dib(16, 8, 0xFF0000FF))));
    ASSERT_TRUE(dib_icon);
    EXPECT_EQ(dib_icon->width, 16);
    EXPECT_EQ(dib_icon->height, 8);
    EXPECT_EQ(dib_icon->bits[0], 0x000000FFu);
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

TEST(LoadImageFile, HugeClaimsAreRefusedWithoutMakingThePixels) {
    ScratchDir dir;
    struct Case { const char* name; std::vector<uint8_t> bytes; };
    const Case cases[] = {
        {"claims-20000.bmp", bmp_claiming(20000, 20000, 400)},
        {"claims-20000-top-down.bmp", bmp_claiming(20000, -20000, 400)},
        {"claims-100000.png", png_bytes(100000, 100000, std::vector<uint32_t>(3 * 100000, 0xFF336699), 3)},
        {"claims-20000.png", png_bytes(20000, 20000, std::vector<uint32_t>(4 * 20000, 0xFF336699), 4)},
    };
    ASSERT_EQ(cases[0].bytes.size(), 454u);
    const SIZE_T before = peak_working_set();
    ASSERT_GT(before, 0u);
    for (const Case& c : cases) EXPECT_FALSE(load_image_file(dir.write(c.name, c.bytes))) << c.name;
    // 20000 x 20000 pixels would be 1.6 GB: not even a good part of that may have been touched.
    EXPECT_LT(peak_working_set() - before, SIZE_T{256} << 20);
}
