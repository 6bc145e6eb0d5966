#include "image/image_header.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

namespace {

struct Size {
    uint32_t width = 0;
    uint32_t height = 0;
};

// Walk limits: far beyond what real files hold, low enough that a hostile file costs little.
constexpr uint32_t JPEG_MAX_SEGMENTS = 1024;  // segments before the frame header
constexpr uint32_t JPEG_MAX_FILL = 4096;      // 0xFF fill bytes before markers, all together
constexpr uint32_t GIF_MAX_BLOCKS = 1u << 18; // blocks and sub-blocks: about 64 MiB of data
constexpr uint32_t TIFF_MAX_PAGES = 64;
constexpr uint16_t ICO_MAX_ENTRIES = 256;

constexpr uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t be32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

template <size_t N>
std::optional<std::array<uint8_t, N>> bytes_at(ByteSource& source, uint64_t at) {
    std::array<uint8_t, N> b{};
    if (!source.read(at, b)) return std::nullopt;
    return b;
}

std::optional<uint8_t> byte_at(ByteSource& source, uint64_t at) {
    const auto b = bytes_at<1>(source, at);
    if (!b) return std::nullopt;
    return (*b)[0];
}

Size larger(Size a, Size b) { return {std::max(a.width, b.width), std::max(a.height, b.height)}; }

// The signature and the whole IHDR chunk at `at`.
std::optional<Size> png_size(ByteSource& source, uint64_t at) {
    const auto b = bytes_at<33>(source, at);
    if (!b || std::memcmp(b->data(), PNG_SIGNATURE, 8) != 0) return std::nullopt;
    const uint8_t* p = b->data();
    if (be32(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0) return std::nullopt;
    const uint32_t width = be32(p + 16);
    const uint32_t height = be32(p + 20);
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX) return std::nullopt;
    const uint8_t depth = p[24];
    const uint8_t colour = p[25];
    const bool depth_ok = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    const bool colour_ok = colour == 0 || colour == 2 || colour == 3 || colour == 4 || colour == 6;
    if (!depth_ok || !colour_ok || p[26] != 0 || p[27] != 0 || p[28] > 1) return std::nullopt;
    return Size{width, height};
}

// A DIB header (BITMAPCOREHEADER or BITMAPINFOHEADER and its longer kin) at `at`. An icon's
// DIB counts its mask rows in the height.
std::optional<Size> dib_size(ByteSource& source, uint64_t at, bool icon) {
    const auto head = bytes_at<4>(source, at);
    if (!head) return std::nullopt;
    const uint32_t header_size = le32(head->data());
    std::array<uint8_t, 124> b{};
    Size size;
    if (header_size == 12) {
        if (!source.read(at, std::span(b).first(12))) return std::nullopt;
        const uint16_t bits = le16(&b[10]);
        if (le16(&b[8]) != 1 || (bits != 1 && bits != 4 && bits != 8 && bits != 24)) return std::nullopt;
        size = {le16(&b[4]), le16(&b[6])};
    } else if (header_size >= 16 && header_size <= b.size()) {
        if (!source.read(at, std::span(b).first(header_size))) return std::nullopt;
        const uint16_t bits = le16(&b[14]);
        const bool bits_ok = bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
                             bits == 32;
        if (le16(&b[12]) != 1 || !bits_ok) return std::nullopt;
        // JPEG or PNG pixels inside: their size is another header's, not bounded by this one.
        if (header_size >= 20 && (le32(&b[16]) == 4 || le32(&b[16]) == 5)) return std::nullopt;
        const auto width = static_cast<int32_t>(le32(&b[4]));
        const auto height = static_cast<int32_t>(le32(&b[8]));  // negative: rows top-down
        if (width <= 0 || height == INT32_MIN) return std::nullopt;
        size = {static_cast<uint32_t>(width), static_cast<uint32_t>(height < 0 ? -height : height)};
    } else {
        return std::nullopt;
    }
    if (icon) size.height = size.height / 2 + size.height % 2;
    if (size.width == 0 || size.height == 0) return std::nullopt;
    return size;
}

std::optional<Size> bmp_size(ByteSource& source) {
    const auto b = bytes_at<14>(source, 0);
    if (!b || (*b)[0] != 'B' || (*b)[1] != 'M') return std::nullopt;
    return dib_size(source, 14, false);
}

bool is_jpeg_frame_marker(uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

// Walks the marker segments to the first frame header (SOFn).
std::optional<Size> jpeg_size(ByteSource& source) {
    const auto soi = bytes_at<2>(source, 0);
    if (!soi || (*soi)[0] != 0xFF || (*soi)[1] != 0xD8) return std::nullopt;
    uint64_t at = 2;
    uint32_t fill = 0;
    for (uint32_t segment = 0; segment < JPEG_MAX_SEGMENTS; ++segment) {
        const auto lead = byte_at(source, at++);
        if (!lead || *lead != 0xFF) return std::nullopt;
        std::optional<uint8_t> marker = byte_at(source, at++);
        while (marker && *marker == 0xFF) {
            if (++fill > JPEG_MAX_FILL) return std::nullopt;
            marker = byte_at(source, at++);
        }
        if (!marker) return std::nullopt;
        const uint8_t m = *marker;
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // no length field
        if (m == 0x00 || m == 0xD8 || m == 0xD9) return std::nullopt;
        if (is_jpeg_frame_marker(m)) {
            const auto f = bytes_at<8>(source, at);  // length, precision, lines, samples per line, components
            if (!f) return std::nullopt;
            const uint16_t length = be16(f->data());
            const uint8_t components = (*f)[7];
            if (components == 0 || length != 8u + 3u * components) return std::nullopt;
            if (!byte_at(source, at + length - 1)) return std::nullopt;  // the whole segment is there
            // Zero lines: the height comes later in a DNL segment, unknown here.
            const Size size{be16(f->data() + 5), be16(f->data() + 3)};
            if (size.width == 0 || size.height == 0) return std::nullopt;
            return size;
        }
        const auto length = bytes_at<2>(source, at);
        if (!length || be16(length->data()) < 2) return std::nullopt;
        at += be16(length->data());
    }
    return std::nullopt;
}

// Skips data sub-blocks up to and with their zero terminator; false when the file ends first.
// Counts every sub-block against the budget; a spent budget stops the walk early.
bool skip_gif_sub_blocks(ByteSource& source, uint64_t& at, uint32_t& budget) {
    while (budget > 0) {
        --budget;
        const auto n = byte_at(source, at++);
        if (!n) return false;
        if (*n == 0) return true;
        at += *n;
    }
    return true;
}

// The logical screen and every image descriptor: a decoder makes each frame as large as its
// descriptor says, whatever the screen.
std::optional<Size> gif_size(ByteSource& source) {
    const auto b = bytes_at<13>(source, 0);
    if (!b || (std::memcmp(b->data(), "GIF87a", 6) != 0 && std::memcmp(b->data(), "GIF89a", 6) != 0)) {
        return std::nullopt;
    }
    Size size{le16(&(*b)[6]), le16(&(*b)[8])};
    const uint8_t flags = (*b)[10];
    uint64_t at = 13;
    if (flags & 0x80) at += 3u << ((flags & 7) + 1);
    bool any_frame = false;
    uint32_t budget = GIF_MAX_BLOCKS;
    // A walk that spends its budget keeps what it has seen: long animations stay loadable.
    while (budget > 0) {
        --budget;
        const auto kind = byte_at(source, at++);
        if (!kind) return std::nullopt;
        if (*kind == 0x3B) break;  // trailer
        if (*kind == 0x21) {       // extension: label, then sub-blocks
            ++at;
            if (!skip_gif_sub_blocks(source, at, budget)) return std::nullopt;
            continue;
        }
        if (*kind != 0x2C) return std::nullopt;
        const auto d = bytes_at<9>(source, at);  // left, top, width, height, flags
        if (!d) return std::nullopt;
        const uint8_t* p = d->data();
        size = larger(size, {uint32_t{le16(p)} + le16(p + 4), uint32_t{le16(p + 2)} + le16(p + 6)});
        any_frame = true;
        at += 9;
        if (p[8] & 0x80) at += 3u << ((p[8] & 7) + 1);
        ++at;  // LZW minimum code size
        if (!skip_gif_sub_blocks(source, at, budget)) return std::nullopt;
    }
    if (!any_frame || size.width == 0 || size.height == 0) return std::nullopt;
    return size;
}

// Every page of the chain of image file directories, up to a bound.
std::optional<Size> tiff_size(ByteSource& source) {
    const auto h = bytes_at<8>(source, 0);
    if (!h) return std::nullopt;
    const uint8_t* p = h->data();
    bool big_endian = false;
    if (p[0] == 'I' && p[1] == 'I') {
        big_endian = false;
    } else if (p[0] == 'M' && p[1] == 'M') {
        big_endian = true;
    } else {
        return std::nullopt;
    }
    const auto u16 = [big_endian](const uint8_t* q) { return big_endian ? be16(q) : le16(q); };
    const auto u32 = [big_endian](const uint8_t* q) { return big_endian ? be32(q) : le32(q); };
    if (u16(p + 2) != 42) return std::nullopt;

    Size size;
    uint32_t offset = u32(p + 4);
    std::vector<uint32_t> seen;
    while (seen.size() < TIFF_MAX_PAGES) {
        if (offset == 0 && !seen.empty()) break;
        // Directories start after the header; one seen before closes a cycle.
        if (offset < 8 || std::find(seen.begin(), seen.end(), offset) != seen.end()) return std::nullopt;
        seen.push_back(offset);
        const auto count_bytes = bytes_at<2>(source, offset);
        if (!count_bytes) return std::nullopt;
        const uint16_t count = u16(count_bytes->data());
        if (count == 0) return std::nullopt;
        Size page;
        for (uint32_t i = 0; i < count; ++i) {
            const auto e = bytes_at<12>(source, uint64_t{offset} + 2 + 12u * i);  // tag, type, count, value
            if (!e) return std::nullopt;
            const uint16_t tag = u16(e->data());
            if (tag != 256 && tag != 257) continue;  // ImageWidth, ImageLength
            const uint16_t type = u16(e->data() + 2);
            if (u32(e->data() + 4) != 1 || (type != 3 && type != 4)) return std::nullopt;
            const uint32_t value = type == 3 ? u16(e->data() + 8) : u32(e->data() + 8);
            (tag == 256 ? page.width : page.height) = value;
        }
        if (page.width == 0 || page.height == 0) return std::nullopt;
        size = larger(size, page);
        const auto next = bytes_at<4>(source, uint64_t{offset} + 2 + 12u * count);
        if (!next) return std::nullopt;
        offset = u32(next->data());
    }
    return size;
}

// Every directory entry, with the header of the image it points at: PNG or DIB.
std::optional<Size> ico_size(ByteSource& source) {
    const auto h = bytes_at<6>(source, 0);
    if (!h) return std::nullopt;
    const uint16_t count = le16(h->data() + 4);
    if (le16(h->data()) != 0 || le16(h->data() + 2) != 1 || count == 0 || count > ICO_MAX_ENTRIES) {
        return std::nullopt;
    }
    Size size;
    for (uint32_t i = 0; i < count; ++i) {
        const auto e = bytes_at<16>(source, 6 + 16u * i);
        if (!e) return std::nullopt;
        const Size listed{(*e)[0] == 0 ? 256u : (*e)[0], (*e)[1] == 0 ? 256u : (*e)[1]};
        const uint32_t at = le32(e->data() + 12);
        const auto lead = bytes_at<8>(source, at);
        if (!lead) return std::nullopt;
        const std::optional<Size> held = std::memcmp(lead->data(), PNG_SIGNATURE, 8) == 0
                                             ? png_size(source, at)
                                             : dib_size(source, at, true);
        if (!held) return std::nullopt;
        size = larger(size, larger(listed, *held));
    }
    return size;
}

}  // namespace

std::optional<ImageHeader> read_image_header(ByteSource& source) {
    const auto magic = bytes_at<2>(source, 0);
    if (!magic) return std::nullopt;
    const uint8_t a = (*magic)[0];
    const uint8_t b = (*magic)[1];
    ImageFileFormat format = ImageFileFormat::Png;
    std::optional<Size> size;
    if (a == 0x89 && b == 'P') {
        format = ImageFileFormat::Png;
        size = png_size(source, 0);
    } else if (a == 'G' && b == 'I') {
        format = ImageFileFormat::Gif;
        size = gif_size(source);
    } else if (a == 'B' && b == 'M') {
        format = ImageFileFormat::Bmp;
        size = bmp_size(source);
    } else if (a == 0xFF && b == 0xD8) {
        format = ImageFileFormat::Jpeg;
        size = jpeg_size(source);
    } else if ((a == 'I' && b == 'I') || (a == 'M' && b == 'M')) {
        format = ImageFileFormat::Tiff;
        size = tiff_size(source);
    } else if (a == 0 && b == 0) {
        format = ImageFileFormat::Ico;
        size = ico_size(source);
    } else {
        return std::nullopt;
    }
    if (!size || size->width == 0 || size->height == 0) return std::nullopt;
    return ImageHeader{format, size->width, size->height};
}
