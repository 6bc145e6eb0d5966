#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "image/image_header.h"
#include "image/pixels.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Appends bytes, text and integers in either byte order.
struct Builder {
    Bytes b;
    Builder& raw(std::initializer_list<uint8_t> v) {
        b.insert(b.end(), v);
        return *this;
    }
    Builder& text(const char* s) {
        b.insert(b.end(), s, s + std::strlen(s));
        return *this;
    }
    Builder& zeros(size_t n) {
        b.insert(b.end(), n, 0);
        return *this;
    }
    Builder& le16(uint32_t v) { return raw({static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); }
    Builder& le32(uint32_t v) { return le16(v & 0xFFFF).le16(v >> 16); }
    Builder& be16(uint32_t v) { return raw({static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)}); }
    Builder& be32(uint32_t v) { return be16(v >> 16).be16(v & 0xFFFF); }
    Builder& add(const Bytes& more) {
        b.insert(b.end(), more.begin(), more.end());
        return *this;
    }
};

// Signature and IHDR chunk (the CRC is not looked at).
Bytes png(uint32_t w, uint32_t h, uint8_t depth = 8, uint8_t colour = 6) {
    return Builder{}
        .raw({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})
        .be32(13)
        .text("IHDR")
        .be32(w)
        .be32(h)
        .raw({depth, colour, 0, 0, 0})
        .be32(0x12345678)
        .b;
}

Bytes dib_info(int32_t w, int32_t h, uint32_t compression = 0, uint32_t header = 40) {
    Builder d;
    d.le32(header).le32(static_cast<uint32_t>(w)).le32(static_cast<uint32_t>(h)).le16(1).le16(24).le32(compression);
    d.zeros(header - 20);
    return d.b;
}

Bytes bmp(const Bytes& dib) {
    return Builder{}.text("BM").le32(14 + static_cast<uint32_t>(dib.size())).le32(0).le32(14).add(dib).b;
}

Bytes bmp_core(uint16_t w, uint16_t h) { return bmp(Builder{}.le32(12).le16(w).le16(h).le16(1).le16(24).b); }

// Screen w x h with a two-colour table, a control extension and one frame at (left, top).
Bytes gif(uint16_t sw, uint16_t sh, uint16_t left, uint16_t top, uint16_t fw, uint16_t fh) {
    return Builder{}
        .text("GIF89a")
        .le16(sw)
        .le16(sh)
        .raw({0x80, 0, 0})
        .raw({0, 0, 0, 255, 255, 255})
        .raw({0x21, 0xF9, 4, 0, 0, 0, 0, 0})
        .raw({0x2C})
        .le16(left)
        .le16(top)
        .le16(fw)
        .le16(fh)
        .raw({0, 2, 2, 0x4C, 0x01, 0, 0x3B})
        .b;
}

// SOI, APP0, fill bytes, a restart marker, DQT, DHT, JPG, DAC, then a progressive frame header.
Bytes jpeg(uint16_t w, uint16_t h, uint8_t frame_marker = 0xC2) {
    return Builder{}
        .raw({0xFF, 0xD8})
        .raw({0xFF, 0xE0}).be16(16).text("JFIF").raw({0, 1, 1, 0, 0, 1, 0, 1, 0, 0})
        .raw({0xFF, 0xFF, 0xFF, 0xDB}).be16(4).raw({0, 1})
        .raw({0xFF, 0xD0})
        .raw({0xFF, 0xC4}).be16(3).raw({0})
        .raw({0xFF, 0xC8}).be16(2)
        .raw({0xFF, 0xCC}).be16(4).raw({0, 0})
        .raw({0xFF, frame_marker}).be16(17).raw({8}).be16(h).be16(w).raw({3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1})
        .b;
}

struct TiffEntry {
    uint16_t tag, type;
    uint32_t count, value;
};

// One directory per page, each followed by the next; `next` of the last page may point back.
Bytes tiff(bool big_endian, const std::vector<std::vector<TiffEntry>>& pages, std::optional<uint32_t> last_next = {}) {
    Builder t;
    const auto u16 = [&](uint32_t v) -> Builder& { return big_endian ? t.be16(v) : t.le16(v); };
    const auto u32 = [&](uint32_t v) -> Builder& { return big_endian ? t.be32(v) : t.le32(v); };
    t.text(big_endian ? "MM" : "II");
    u16(42);
    u32(8);
    for (size_t i = 0; i < pages.size(); ++i) {
        const uint32_t here = static_cast<uint32_t>(t.b.size());
        u16(static_cast<uint32_t>(pages[i].size()));
        for (const TiffEntry& e : pages[i]) {
            u16(e.tag);
            u16(e.type);
            u32(e.count);
            if (e.type == 3) {
                u16(e.value);
                u16(0);  // a SHORT sits in the first two bytes of the field
            } else {
                u32(e.value);
            }
        }
        const uint32_t next = here + 2 + 12 * static_cast<uint32_t>(pages[i].size()) + 4;
        u32(i + 1 < pages.size() ? next : last_next.value_or(0));
    }
    return t.b;
}

std::vector<TiffEntry> page(uint32_t w, uint32_t h, uint16_t type = 3) {
    return {{254, 4, 1, 0}, {256, type, 1, w}, {257, type, 1, h}, {259, 3, 1, 1}};
}

struct IcoImage {
    uint8_t listed_w, listed_h;
    Bytes data;
};

Bytes ico(const std::vector<IcoImage>& images, uint16_t type = 1) {
    Builder i;
    i.le16(0).le16(type).le16(static_cast<uint32_t>(images.size()));
    uint32_t at = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const IcoImage& m : images) {
        i.raw({m.listed_w, m.listed_h, 0, 0}).le16(1).le16(32).le32(static_cast<uint32_t>(m.data.size())).le32(at);
        at += static_cast<uint32_t>(m.data.size());
    }
    for (const IcoImage& m : images) i.add(m.data);
    return i.b;
}

std::optional<ImageHeader> read(const Bytes& bytes) {
    MemorySource source(bytes);
    return read_image_header(source);
}

ImageHeader header(ImageFileFormat f, uint32_t w, uint32_t h) { return ImageHeader{f, w, h}; }

using F = ImageFileFormat;

struct Good {
    const char* name;
    Bytes bytes;
    ImageHeader want;
};

std::vector<Good> good_files() {
    return {
        {"png", png(3, 2), header(F::Png, 3, 2)},
        {"png palette 1 bit", png(640, 480, 1, 3), header(F::Png, 640, 480)},
        {"gif", gif(5, 3, 1, 0, 4, 3), header(F::Gif, 5, 3)},
        {"gif frame past the screen", gif(5, 3, 3, 2, 4, 3), header(F::Gif, 7, 5)},
        {"gif no screen size", gif(0, 0, 0, 0, 4, 3), header(F::Gif, 4, 3)},
        {"bmp info bottom-up", bmp(dib_info(7, 5)), header(F::Bmp, 7, 5)},
        {"bmp info top-down", bmp(dib_info(7, -5)), header(F::Bmp, 7, 5)},
        {"bmp v5 header", bmp(dib_info(1, 1, 3, 124)), header(F::Bmp, 1, 1)},
        {"bmp core", bmp_core(9, 4), header(F::Bmp, 9, 4)},
        {"jpeg progressive", jpeg(11, 6), header(F::Jpeg, 11, 6)},
        {"jpeg baseline", jpeg(65535, 1, 0xC0), header(F::Jpeg, 65535, 1)},
        {"tiff little-endian", tiff(false, {page(12, 70000, 4)}), header(F::Tiff, 12, 70000)},
        {"tiff big-endian pages", tiff(true, {page(12, 8), page(30, 2, 4)}), header(F::Tiff, 30, 8)},
        {"ico dib and png", ico({{16, 16, dib_info(16, 32)}, {0, 0, png(256, 256)}}), header(F::Ico, 256, 256)},
        {"ico png larger than listed", ico({{32, 32, png(300, 40)}}), header(F::Ico, 300, 40)},
    };
}

}  // namespace

TEST(ImageHeader, ReadsEachFormat) {
    for (const Good& g : good_files()) {
        const auto got = read(g.bytes);
        ASSERT_TRUE(got) << g.name;
        EXPECT_EQ(*got, g.want) << g.name << ": " << got->width << " x " << got->height;
    }
}

TEST(ImageHeader, EveryShorterPrefixIsRefused) {
    for (const Good& g : good_files()) {
        for (size_t n = 0; n < g.bytes.size(); ++n) {
            const Bytes cut(g.bytes.begin(), g.bytes.begin() + static_cast<std::ptrdiff_t>(n));
            EXPECT_FALSE(read(cut)) << g.name << " cut to " << n << " bytes";
        }
    }
}

// Changed bytes must give an answer or none, never a read outside the bytes.
TEST(ImageHeader, AnyChangedByteIsReadSafely) {
    for (const Good& g : good_files()) {
        for (size_t i = 0; i < g.bytes.size(); ++i) {
            for (uint8_t v : {uint8_t{0x00}, uint8_t{0x7F}, uint8_t{0x80}, uint8_t{0xFF}}) {
                Bytes changed = g.bytes;
                changed[i] = v;
                const auto got = read(changed);
                if (got) {
                    EXPECT_TRUE(got->width > 0 && got->height > 0) << g.name << " byte " << i;
                }
            }
        }
    }
}

TEST(ImageHeader, HugeClaimsAreReportedForTheSizeCheck) {
    const struct {
        const char* name;
        Bytes bytes;
        ImageHeader want;
    } cases[] = {
        {"png", png(100000, 100000), header(F::Png, 100000, 100000)},
        {"bmp", bmp(dib_info(20000, 20000)), header(F::Bmp, 20000, 20000)},
        {"bmp top-down", bmp(dib_info(INT32_MAX, -INT32_MAX)), header(F::Bmp, INT32_MAX, INT32_MAX)},
        {"gif frame", gif(4, 4, 65535, 0, 65535, 65535), header(F::Gif, 131070, 65535)},
        {"jpeg", jpeg(65535, 65535), header(F::Jpeg, 65535, 65535)},
        {"tiff", tiff(false, {page(UINT32_MAX, 1, 4)}), header(F::Tiff, UINT32_MAX, 1)},
        {"tiff later page", tiff(false, {page(1, 1), page(70000, 70000, 4)}), header(F::Tiff, 70000, 70000)},
        {"ico png entry", ico({{16, 16, dib_info(16, 32)}, {0, 0, png(100000, 100000)}}),
         header(F::Ico, 100000, 100000)},
        {"ico dib entry", ico({{16, 16, dib_info(30000, 60000)}}), header(F::Ico, 30000, 30000)},
    };
    for (const auto& c : cases) {
        const auto got = read(c.bytes);
        ASSERT_TRUE(got) << c.name;
        EXPECT_EQ(*got, c.want) << c.name;
        EXPECT_FALSE(loadable_image_size(got->width, got->height)) << c.name;
    }
}

TEST(ImageHeader, BadFilesAreRefused) {
    const Bytes good_jpeg = jpeg(11, 6);
    const Bytes after_soi(good_jpeg.begin() + 2, good_jpeg.end());
    Builder many_segments;
    many_segments.raw({0xFF, 0xD8});
    for (int i = 0; i < 1100; ++i) many_segments.raw({0xFF, 0xE1}).be16(2);
    many_segments.add(after_soi);
    Builder long_fill;
    long_fill.raw({0xFF, 0xD8});
    long_fill.b.insert(long_fill.b.end(), 5000, 0xFF);
    long_fill.add(Bytes(good_jpeg.begin() + 3, good_jpeg.end()));
    Bytes gif_no_trailer = gif(5, 3, 1, 0, 4, 3);
    gif_no_trailer.pop_back();
    Bytes gif_no_frame = Builder{}.text("GIF89a").le16(5).le16(3).raw({0, 0, 0, 0x3B}).b;
    // Laid out like a frame, under another introducer.
    Bytes gif_odd_block = Builder{}.text("GIF89a").le16(5).le16(3).raw({0, 0, 0, 0x99}).b;
    gif_odd_block = Builder{gif_odd_block}.le16(0).le16(0).le16(2).le16(2).raw({0, 2, 0, 0x3B}).b;
    Bytes ico_outside = ico({{16, 16, dib_info(16, 32)}});
    ico_outside[6 + 12] = 0xF0;  // image offset far past the end

    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"one byte", {0x89}},
        {"text", Builder{}.text("Not an image at all.\r\n").b},
        {"png wrong signature", [] { Bytes p = png(3, 2); p[3] = 'X'; return p; }()},
        {"png first chunk not IHDR", [] { Bytes p = png(3, 2); p[12] = 'i'; return p; }()},
        {"png zero width", png(0, 2)},
        {"png zero height", png(3, 0)},
        {"png width past 2^31-1", png(0x80000000u, 2)},
        {"png bad bit depth", png(3, 2, 3, 6)},
        {"png bad colour type", png(3, 2, 8, 5)},
        {"gif wrong version", [] { Bytes g = gif(5, 3, 1, 0, 4, 3); g[4] = '8'; return g; }()},
        {"gif nothing anywhere", gif(0, 0, 0, 0, 0, 0)},
        {"gif without trailer", gif_no_trailer},
        {"gif without frame", gif_no_frame},
        {"gif unknown block", gif_odd_block},
        {"bmp zero width", bmp(dib_info(0, 5))},
        {"bmp zero height", bmp(dib_info(7, 0))},
        {"bmp negative width", bmp(dib_info(-7, 5))},
        {"bmp height INT_MIN", bmp(dib_info(7, INT32_MIN))},
        {"bmp holding jpeg", bmp(dib_info(7, 5, 4))},
        {"bmp holding png", bmp(dib_info(7, 5, 5))},
        {"bmp unknown header size", bmp(dib_info(7, 5, 0, 200))},
        {"bmp core zero size", bmp_core(0, 4)},
        {"bmp wrong magic", [] { Bytes b = bmp(dib_info(7, 5)); b[1] = 'A'; return b; }()},
        {"jpeg segment past the end", Builder{}.raw({0xFF, 0xD8, 0xFF, 0xE0}).be16(0x1000).zeros(20).b},
        {"jpeg segment length 1", Builder{}.raw({0xFF, 0xD8, 0xFF, 0xE0}).be16(1).add(after_soi).b},
        {"jpeg end before frame", Builder{}.raw({0xFF, 0xD8, 0xFF, 0xD9, 0x00, 0x02}).add(after_soi).b},
        {"jpeg junk between segments", Builder{}.raw({0xFF, 0xD8, 0x00}).add(after_soi).b},
        {"jpeg lines in a later DNL", jpeg(11, 0)},
        {"jpeg zero width", jpeg(0, 6)},
        {"jpeg frame length wrong", [] { Bytes j = jpeg(11, 6); j[j.size() - 16] = 18; return j; }()},
        {"jpeg too many segments", many_segments.b},
        {"jpeg too much fill", long_fill.b},
        {"tiff wrong magic", [] { Bytes t = tiff(false, {page(12, 8)}); t[2] = 43; return t; }()},
        {"tiff mixed byte order", [] { Bytes t = tiff(false, {page(12, 8)}); t[1] = 'M'; return t; }()},
        {"tiff directory loops on itself", tiff(false, {page(12, 8)}, 8)},
        {"tiff two directories in a cycle", tiff(true, {page(12, 8), page(3, 3)}, 8)},
        {"tiff directory past the end", [] { Bytes t = tiff(false, {page(12, 8)}); t[7] = 0x10; return t; }()},
        {"tiff directory inside the header", [] { Bytes t = tiff(false, {page(12, 8)}); t[4] = 4; return t; }()},
        {"tiff next directory past the end", tiff(false, {page(12, 8)}, 0x7FFFFFF0)},
        {"tiff no directory", tiff(false, {}, 0)},
        {"tiff empty directory", tiff(false, {{}})},
        {"tiff no width", tiff(false, {{{257, 3, 1, 8}}})},
        {"tiff zero height", tiff(false, {page(12, 0)})},
        {"tiff width as text", tiff(false, {page(12, 8, 2)})},
        {"tiff two widths in one entry", tiff(false, {{{256, 3, 2, 12}, {257, 3, 1, 8}}})},
        {"ico no entries", ico({})},
        {"ico cursor", ico({{16, 16, dib_info(16, 32)}}, 2)},
        {"ico image past the end", ico_outside},
        {"ico entry neither png nor dib", ico({{16, 16, Builder{}.zeros(40).b}})},
        {"ico png entry with a bad header", ico({{0, 0, png(0, 256)}})},
        {"ico dib entry of zero width", ico({{16, 16, dib_info(0, 32)}})},
        {"emf", Builder{}.le32(1).le32(108).zeros(32).text(" EMF").zeros(64).b},
        {"wmf placeable", Builder{}.raw({0xD7, 0xCD, 0xC6, 0x9A}).zeros(40).b},
        {"wmf", Builder{}.le16(1).le16(9).le16(0x300).zeros(40).b},
    };
    for (const auto& c : cases) EXPECT_FALSE(read(c.bytes)) << c.name;
}

TEST(ImageHeader, IconsHoldAtMostTwoHundredFiftySixEntries) {
    std::vector<IcoImage> images(256, IcoImage{16, 16, dib_info(16, 32)});
    EXPECT_EQ(read(ico(images)), header(F::Ico, 16, 16));
    images.push_back(images.back());
    EXPECT_FALSE(read(ico(images)));
}

TEST(ImageHeader, LongGifWalkStopsAndKeepsWhatItSaw) {
    // A frame, then more blocks than the walk looks at and no trailer: the end of a long
    // animation is not read, and what was seen before stands.
    Builder g;
    g.text("GIF89a").le16(4).le16(4).raw({0, 0, 0});
    g.raw({0x2C}).le16(0).le16(0).le16(4).le16(3).raw({0, 2, 1, 0, 0});
    for (int i = 0; i < 300000; ++i) g.raw({0x21, 0xFE, 0});
    EXPECT_EQ(read(g.b), header(F::Gif, 4, 4));
    // The same file cut short before the budget is spent is a truncated file.
    g.b.resize(g.b.size() - 3 * 200000);
    EXPECT_FALSE(read(g.b));
}
