#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "image/file_names.h"
#include "image/pdf_writer.h"
#include "image/png_writer.h"

namespace {

std::string as_text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Screenshot-like content: flat areas, sharp edges, a gradient, noise in one corner.
std::vector<uint32_t> sample_pixels(uint32_t width, uint32_t height) {
    std::vector<uint32_t> px(static_cast<size_t>(width) * height);
    uint32_t seed = 12345;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            uint32_t v;
            if (x < width / 3) {
                v = ((x / 3 + y / 5) % 7 == 0) ? 0x202020u : 0xF0F0F0u;
            } else if (x < 2 * width / 3) {
                v = (x * 255 / width) << 16 | (y * 255 / (height ? height : 1)) << 8 | 0x80u;
            } else {
                seed = seed * 1103515245u + 12345u;
                v = seed >> 8;
            }
            // The fourth byte carries no colour and must not reach the file.
            px[static_cast<size_t>(y) * width + x] = (v & 0xFFFFFFu) | 0xAB000000u;
        }
    }
    return px;
}

struct DecodedPng {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

bool decode_png(const std::vector<uint8_t>& file, DecodedPng& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = image.width;
    out.height = image.height;
    out.rgb.assign(PNG_IMAGE_SIZE(image), 0);
    const bool ok = png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

uint32_t be32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The first two bytes of the first IDAT chunk: the zlib stream header.
std::pair<uint8_t, uint8_t> zlib_header(const std::vector<uint8_t>& png) {
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t len = be32(png, at);
        if (std::memcmp(png.data() + at + 4, "IDAT", 4) == 0) return {png[at + 8], png[at + 9]};
        at += 12 + len;
    }
    return {0, 0};
}

// Records the blocks it is given; fails from the fail_at-th call on when asked to.
class TestSink : public ByteSink {
public:
    explicit TestSink(size_t fail_at = 0) : fail_at_(fail_at) {}
    Status write(const uint8_t* data, size_t size) override {
        if (fail_at_ && sizes.size() + 1 >= fail_at_) return make_error("disk full", 112);
        sizes.push_back(size);
        bytes.insert(bytes.end(), data, data + size);
        return {};
    }
    std::vector<size_t> sizes;
    std::vector<uint8_t> bytes;

private:
    size_t fail_at_;
};

}  // namespace

TEST(FileExtension, FollowsTheDotRules) {
    struct Case { const char* path; const char* ext; ImageFormat format; };
    const Case cases[] = {
        {"C:\\shots\\shot.png", "png", ImageFormat::Png},
        {"C:\\shots\\shot.JPEG", "jpeg", ImageFormat::Jpeg},
        {"shot.Jpg", "jpg", ImageFormat::Jpeg},
        {"C:/shots/shot.Pdf", "pdf", ImageFormat::Pdf},
        {"shot.tiff", "tiff", ImageFormat::Png},
        {"C:\\shots\\shot", "", ImageFormat::Png},
        {"C:\\shots\\.pdf", "", ImageFormat::Png},   // only dot first: no extension
        {"C:\\shots\\..", "", ImageFormat::Png},
        {"..", "", ImageFormat::Png},
        {"C:\\shots\\..pdf", "pdf", ImageFormat::Pdf},
        {"C:\\dir.pdf\\shot", "", ImageFormat::Png},  // the folder's dot does not count
        {"C:\\shots\\shot.", "", ImageFormat::Png},
        {"a.tar.PDF", "pdf", ImageFormat::Pdf},
        {"shot.\xFF\xFE", "", ImageFormat::Png},      // not UTF-8
        {"shot.\xC3\x89", "\xC3\x89", ImageFormat::Png},
        {"", "", ImageFormat::Png},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file_extension(c.path), c.ext) << c.path;
        EXPECT_EQ(image_format_for_path(c.path), c.format) << c.path;
    }
}

TEST(NameStem, IsZeroPadded) {
    EXPECT_EQ(name_stem({2026, 1, 8, 9, 30, 5}), "Ormick_20260108_093005");
    EXPECT_EQ(name_stem({1999, 12, 31, 23, 59, 59}), "Ormick_19991231_235959");
}

TEST(NextFreeName, CountsUpFromTwoWhileTaken) {
    std::set<std::string> files;
    const auto exists = [&files](const std::string& p) { return files.count(p) > 0; };
    const std::string stem = "D:\\Pictures\\Ormick_20260108_093005";
    std::vector<std::string> got;
    for (int i = 0; i < 3; ++i) {
        got.push_back(next_free_name(stem, "png", exists));
        files.insert(got.back());
    }
    EXPECT_EQ(got[0], stem + ".png");
    EXPECT_EQ(got[1], stem + "_2.png");
    EXPECT_EQ(got[2], stem + "_3.png");
    // Another extension is a different name; a gap is filled.
    EXPECT_EQ(next_free_name(stem, "jpg", exists), stem + ".jpg");
    files.erase(stem + "_2.png");
    EXPECT_EQ(next_free_name(stem, "png", exists), stem + "_2.png");
}

TEST(BuildFilterString, PairsEndedByNulsAndADoubleNul) {
    const std::wstring f = build_filter_string("PNG image (*.png)", "JPEG image (*.jpg)",
                                               "PDF document (*.pdf)");
    const std::wstring want = std::wstring(L"PNG image (*.png)") + L'\0' + L"*.png" + L'\0' +
                              L"JPEG image (*.jpg)" + L'\0' + L"*.jpg;*.jpeg" + L'\0' +
                              L"PDF document (*.pdf)" + L'\0' + L"*.pdf" + L'\0' + L'\0';
    EXPECT_EQ(f, want);
    const std::wstring translated = build_filter_string("PNG-Bild", "JPEG-Bild", "PDF-Dok\xC3\xBCment");
    EXPECT_NE(translated.find(L"PDF-Dok\u00FCment"), std::wstring::npos);
}

// --- PDF ---

namespace {

struct ParsedPdf {
    std::string text;
    std::vector<size_t> offsets;  // objects 1..5 as the xref lists them
    size_t startxref = 0;
};

ParsedPdf parse_pdf(const std::vector<uint8_t>& bytes) {
    ParsedPdf p;
    p.text = as_text(bytes);
    const size_t sx = p.text.rfind("startxref\n");
    if (sx == std::string::npos) return p;
    p.startxref = std::stoull(p.text.substr(sx + 10));
    const size_t first = p.startxref + std::strlen("xref\n0 6\n0000000000 65535 f \n");
    for (size_t i = 0; i < 5 && first + 20 * (i + 1) <= p.text.size(); ++i) {
        p.offsets.push_back(std::stoull(p.text.substr(first + 20 * i, 10)));
    }
    return p;
}

std::string between(const std::string& s, const std::string& open, const std::string& close,
                    size_t from = 0) {
    const size_t a = s.find(open, from);
    if (a == std::string::npos) return {};
    const size_t b = s.find(close, a + open.size());
    if (b == std::string::npos) return {};
    return s.substr(a + open.size(), b - a - open.size());
}

}  // namespace

TEST(PdfWithJpeg, CrossReferencePointsAtEveryObject) {
    std::vector<uint8_t> jpeg = {0xFF, 0xD8, 'x', '\n', 0x00, 'e', 'n', 'd', 0xFF, 0xD9};
    for (uint32_t w : {1u, 1920u, 1001u, 123457u}) {
        const std::vector<uint8_t> pdf = write_pdf_with_jpeg(jpeg, w, 7);
        const ParsedPdf p = parse_pdf(pdf);
        ASSERT_EQ(p.offsets.size(), 5u) << w;
        for (size_t i = 0; i < 5; ++i) {
            const std::string head = std::to_string(i + 1) + " 0 obj\n";
            EXPECT_EQ(p.text.compare(p.offsets[i], head.size(), head), 0) << w << " object " << i + 1;
        }
        // A 15-byte header with the binary marker, then object 1.
        const uint8_t head[15] = {'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n', '%', 0xE2, 0xE3, 0xCF, 0xD3, '\n'};
        EXPECT_EQ(std::memcmp(pdf.data(), head, 15), 0);
        EXPECT_EQ(p.offsets[0], 15u);
        EXPECT_EQ(p.offsets[1], 64u);
        EXPECT_EQ(p.offsets[2], 121u);
        EXPECT_EQ(p.text.compare(p.startxref, 9, "xref\n0 6\n"), 0);
        // Twenty bytes per entry, the free one first.
        EXPECT_EQ(p.text.substr(p.startxref + 9, 20), "0000000000 65535 f \n");
        EXPECT_EQ(p.text.substr(p.startxref + 29 + 20, 20).substr(10), " 00000 n \n");
        const std::string tail = "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" +
                                 std::to_string(p.startxref) + "\n%%EOF\n";
        EXPECT_EQ(p.text.substr(p.text.size() - tail.size()), tail);
    }
}

TEST(PdfWithJpeg, JpegIsEmbeddedUnchangedWithItsLength) {
    std::vector<uint8_t> jpeg(3000);
    for (size_t i = 0; i < jpeg.size(); ++i) jpeg[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> pdf = write_pdf_with_jpeg(jpeg, 640, 480);
    const std::string text = as_text(pdf);
    const std::string dict =
        "4 0 obj\n<< /Type /XObject /Subtype /Image /Width 640 /Height 480 /ColorSpace /DeviceRGB "
        "/BitsPerComponent 8 /Filter /DCTDecode /Length 3000 >>\nstream\n";
    const size_t at = text.find(dict);
    ASSERT_NE(at, std::string::npos);
    const size_t data = at + dict.size();
    EXPECT_EQ(std::memcmp(pdf.data() + data, jpeg.data(), jpeg.size()), 0);
    EXPECT_EQ(text.substr(data + jpeg.size(), 18), "\nendstream\nendobj\n");
}

TEST(PdfWithJpeg, PageSizeIsThreeQuartersOfAPixelWithTwoDecimals) {
    struct Case { uint32_t px; const char* points; };
    const Case cases[] = {{1, "0.75"}, {2, "1.50"}, {1920, "1440.00"}, {1001, "750.75"},
                          {1080, "810.00"}, {3, "2.25"}, {16777217, "12582912.00"}};
    for (const Case& c : cases) EXPECT_EQ(pdf_points(c.px), c.points) << c.px;

    // The page and the content stream, whose /Length leaves out the line feed before endstream.
    struct Page { uint32_t w, h; const char* media_box; const char* content_object; };
    const Page pages[] = {
        {1, 1, "0 0 0.75 0.75",
         "5 0 obj\n<< /Length 32 >>\nstream\nq 0.75 0 0 0.75 0 0 cm /Im0 Do Q\nendstream\nendobj\nxref\n"},
        {1920, 1001, "0 0 1440.00 750.75",
         "5 0 obj\n<< /Length 37 >>\nstream\nq 1440.00 0 0 750.75 0 0 cm /Im0 Do Q\nendstream\nendobj\nxref\n"},
    };
    for (const Page& p : pages) {
        const std::string text = as_text(write_pdf_with_jpeg(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xD9}, p.w, p.h));
        EXPECT_EQ(between(text, "/MediaBox [", "]"), p.media_box);
        EXPECT_NE(text.find(p.content_object), std::string::npos) << p.w;
    }
}

// --- PNG ---

TEST(EncodePng, RoundTripsThroughLibpng) {
    struct Case { uint32_t w, h; };
    const Case cases[] = {{1, 1}, {3, 2}, {1, 300}, {257, 3}, {640, 480}};
    for (const Case& c : cases) {
        const std::vector<uint32_t> px = sample_pixels(c.w, c.h);
        MemorySink sink;
        ASSERT_TRUE(encode_png(px.data(), px.size(), c.w, c.h, sink).ok()) << c.w << "x" << c.h;
        const std::vector<uint8_t>& png = sink.bytes;
        ASSERT_GT(png.size(), 33u);
        // IHDR: size, bit depth 8, colour type 2 (RGB), no interlace.
        EXPECT_EQ(be32(png, 16), c.w);
        EXPECT_EQ(be32(png, 20), c.h);
        EXPECT_EQ(png[24], 8);
        EXPECT_EQ(png[25], 2);
        EXPECT_EQ(png[28], 0);
        DecodedPng d;
        ASSERT_TRUE(decode_png(png, d));
        ASSERT_EQ(d.rgb.size(), px.size() * 3);
        for (size_t i = 0; i < px.size(); ++i) {
            const uint32_t got = uint32_t{d.rgb[i * 3]} << 16 | uint32_t{d.rgb[i * 3 + 1]} << 8 |
                                 d.rgb[i * 3 + 2];
            ASSERT_EQ(got, px[i] & 0xFFFFFFu) << c.w << "x" << c.h << " pixel " << i;
        }
    }
}

TEST(EncodePng, LargeImageUsesTheFastestDeflateHeader) {
    // 200 x 100 RGB rows are 60,000 bytes, above the 16 KiB where libpng shrinks the window.
    const std::vector<uint32_t> px = sample_pixels(200, 100);
    MemorySink sink;
    ASSERT_TRUE(encode_png(px.data(), px.size(), 200, 100, sink).ok());
    const auto [cmf, flg] = zlib_header(sink.bytes);
    EXPECT_EQ(cmf, 0x78);
    EXPECT_EQ(flg, 0x01);
    // Small images still carry a valid deflate stream header.
    MemorySink small;
    const uint32_t one = 0x123456;
    ASSERT_TRUE(encode_png(&one, 1, 1, 1, small).ok());
    EXPECT_EQ(zlib_header(small.bytes).first & 0x0F, 8);
}

TEST(EncodePng, HandsTheSinkFullBuffers) {
    const std::vector<uint32_t> px = sample_pixels(400, 300);
    TestSink sink;
    ASSERT_TRUE(encode_png(px.data(), px.size(), 400, 300, sink).ok());
    ASSERT_GE(sink.sizes.size(), 2u);
    for (size_t i = 0; i + 1 < sink.sizes.size(); ++i) EXPECT_EQ(sink.sizes[i], PNG_WRITE_BUFFER);
    EXPECT_LE(sink.sizes.back(), PNG_WRITE_BUFFER);
    DecodedPng d;
    EXPECT_TRUE(decode_png(sink.bytes, d));
}

TEST(EncodePng, RefusesBadInputAndReportsSinkErrors) {
    const std::vector<uint32_t> px = sample_pixels(400, 300);
    struct Case { uint32_t w, h; size_t count; const char* why; };
    const Case bad[] = {
        {0, 10, 0, "zero width"},
        {10, 0, 0, "zero height"},
        {400, 300, 400 * 300 - 1, "one pixel short"},
        {0x80000000u, 0x80000000u, 4, "size overflows"},
    };
    for (const Case& c : bad) {
        MemorySink sink;
        const Status s = encode_png(px.data(), c.count, c.w, c.h, sink);
        ASSERT_FALSE(s.ok()) << c.why;
        EXPECT_FALSE(s.error().message.empty()) << c.why;
    }
    // A failing sink's error comes back as it stands, on the first block and on the final flush.
    TestSink counting;
    ASSERT_TRUE(encode_png(px.data(), px.size(), 400, 300, counting).ok());
    for (size_t fail_at : {size_t{1}, counting.sizes.size()}) {
        TestSink sink(fail_at);
        const Status s = encode_png(px.data(), px.size(), 400, 300, sink);
        ASSERT_FALSE(s.ok()) << fail_at;
        EXPECT_EQ(s.error().message, "disk full");
        EXPECT_EQ(s.error().code, 112);
    }
}

