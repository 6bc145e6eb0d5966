#include "image/dib_block.h"

#include <climits>

#include "image/pixels.h"

namespace {

constexpr uint32_t BI_RGB_CODE = 0;
constexpr uint32_t BI_BITFIELDS_CODE = 3;
constexpr size_t INFO_HEADER = 40;   // BITMAPINFOHEADER
constexpr size_t MASKS_IN_HEADER = 52;  // V2 and later hold the three masks themselves

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// The header sizes of BITMAPINFOHEADER, its V2 and V3 extensions, V4 and V5.
bool known_header_size(uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool paletted(uint16_t bits) { return bits == 1 || bits == 4 || bits == 8; }

}  // namespace

DibCheck check_dib_block(std::span<const uint8_t> block) {
    if (block.size() < 4) return DibRefusal::Malformed;
    const uint32_t header_size = le32(block.data());
    if (header_size == 12) return DibRefusal::Unsupported;  // BITMAPCOREHEADER: no clipboard carries it
    if (!known_header_size(header_size) || block.size() < header_size) return DibRefusal::Malformed;
    const uint8_t* h = block.data();
    const auto width = static_cast<int32_t>(le32(h + 4));
    const auto height = static_cast<int32_t>(le32(h + 8));
    const uint16_t bits = le16(h + 14);
    const uint32_t compression = le32(h + 16);
    const uint32_t colours_used = le32(h + 32);
    if (le16(h + 12) != 1 || width < 0 || height == INT32_MIN) return DibRefusal::Malformed;
    if (width == 0 || height == 0) return DibRefusal::Empty;

    DibLayout l;
    l.width = width;
    l.top_down = height < 0;
    l.height = l.top_down ? -height : height;
    if (!loadable_image_size(static_cast<uint64_t>(l.width), static_cast<uint64_t>(l.height))) {
        return DibRefusal::TooLarge;
    }
    l.bit_count = bits;
    if (compression == BI_BITFIELDS_CODE) {
        if (bits != 16 && bits != 32) return DibRefusal::Unsupported;
        l.bitfields = true;
    } else if (compression != BI_RGB_CODE ||
               !(paletted(bits) || bits == 16 || bits == 24 || bits == 32)) {
        return DibRefusal::Unsupported;
    }

    // Everything below in 64 bits: the fields are another program's and may be anything.
    uint64_t at = header_size;
    if (l.bitfields) {
        const uint64_t masks_at = header_size >= MASKS_IN_HEADER ? INFO_HEADER : header_size;
        if (masks_at + 12 > block.size()) return DibRefusal::Malformed;
        for (int i = 0; i < 3; ++i) {
            l.masks[i] = le32(h + masks_at + 4 * static_cast<size_t>(i));
            if (l.masks[i] == 0) return DibRefusal::Malformed;
        }
        if (header_size < MASKS_IN_HEADER) at += 12;
    }
    // A 1-, 4- or 8-bit image needs its colours; a deeper one may carry an unused table.
    const uint64_t most = paletted(bits) ? uint64_t{1} << bits : uint64_t{1} << 16;
    const uint64_t colours = paletted(bits) && colours_used == 0 ? most : colours_used;
    if (colours > most) return DibRefusal::Malformed;
    l.colours_offset = static_cast<size_t>(at);
    l.colours = paletted(bits) ? static_cast<uint32_t>(colours) : 0;
    at += 4 * colours;

    const uint64_t stride = (uint64_t{static_cast<uint32_t>(l.width)} * bits + 31) / 32 * 4;
    const uint64_t pixel_bytes = stride * static_cast<uint64_t>(l.height);
    if (at > block.size() || pixel_bytes > block.size() - at) return DibRefusal::Malformed;
    l.pixels_offset = static_cast<size_t>(at);
    l.stride = static_cast<size_t>(stride);
    return l;
}
