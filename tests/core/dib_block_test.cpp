// The clipboard DIB check: what another program's block may claim, and what is refused before
// any pixel is drawn from it.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "image/dib_block.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Header {
    uint32_t size = 40;
    int32_t width = 2;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bits = 32;
    uint32_t compression = 0;
    uint32_t colours_used = 0;
    uint32_t masks[3] = {0xFF0000, 0xFF00, 0xFF};  // inside headers of 52 bytes and more
};

void put32(Bytes& b, size_t at, uint32_t v) { std::memcpy(b.data() + at, &v, 4); }

// The header, then `extra` bytes (masks, colours, pixels) of 0x5A.
Bytes block(const Header& h, size_t extra) {
    const size_t header = h.size >= 40 && h.size <= 124 ? h.size : 40;  // a lying size gets 40
    Bytes b(header + extra, 0x5A);
    std::fill(b.begin(), b.begin() + static_cast<ptrdiff_t>(header), 0);
    put32(b, 0, h.size);
    put32(b, 4, static_cast<uint32_t>(h.width));
    put32(b, 8, static_cast<uint32_t>(h.height));
    std::memcpy(b.data() + 12, &h.planes, 2);
    std::memcpy(b.data() + 14, &h.bits, 2);
    put32(b, 16, h.compression);
    put32(b, 32, h.colours_used);
    if (h.size >= 52)
        for (int i = 0; i < 3; ++i) put32(b, 40 + 4 * i, h.masks[i]);
    return b;
}

std::string describe(const DibCheck& c) {
    if (const DibRefusal* r = std::get_if<DibRefusal>(&c)) {
        switch (*r) {
            case DibRefusal::Malformed: return "malformed";
            case DibRefusal::Empty: return "empty";
            case DibRefusal::TooLarge: return "too large";
            case DibRefusal::Unsupported: return "unsupported";
        }
    }
    const DibLayout& l = std::get<DibLayout>(c);
    return std::to_string(l.width) + "x" + std::to_string(l.height) + (l.top_down ? " down" : " up") + " bits " +
           std::to_string(l.bit_count) + (l.bitfields ? " masks" : "") + " colours " + std::to_string(l.colours) +
           "@" + std::to_string(l.colours_offset) + " pixels@" + std::to_string(l.pixels_offset) + " stride " +
           std::to_string(l.stride);
}

}  // namespace

TEST(DibBlock, HeaderAgainstTheBlock) {
    struct Case {
        const char* what;
        Header header;
        size_t extra;  // bytes after the header
        const char* want;
    };
    const Case cases[] = {
        {"32 bits", {}, 16, "2x2 up bits 32 colours 0@40 pixels@40 stride 8"},
        {"top-down", {.height = -2}, 16, "2x2 down bits 32 colours 0@40 pixels@40 stride 8"},
        {"24 bits, rows padded", {.width = 3, .bits = 24}, 24, "3x2 up bits 24 colours 0@40 pixels@40 stride 12"},
        {"16 bits", {.width = 3, .bits = 16}, 16, "3x2 up bits 16 colours 0@40 pixels@40 stride 8"},
        {"1 bit, two colours", {.width = 9, .bits = 1}, 8 + 8, "9x2 up bits 1 colours 2@40 pixels@48 stride 4"},
        {"8 bits, three colours", {.bits = 8, .colours_used = 3}, 12 + 8, "2x2 up bits 8 colours 3@40 pixels@52 stride 4"},
        {"4 bits, all sixteen", {.bits = 4}, 64 + 8, "2x2 up bits 4 colours 16@40 pixels@104 stride 4"},
        {"masks after a 40-byte header", {.compression = 3}, 12 + 16, "2x2 up bits 32 masks colours 0@52 pixels@52 stride 8"},
        {"masks in a V5 header", {.size = 124, .compression = 3}, 16, "2x2 up bits 32 masks colours 0@124 pixels@124 stride 8"},
        {"unused colours before 32-bit pixels", {.colours_used = 2}, 8 + 16, "2x2 up bits 32 colours 0@40 pixels@48 stride 8"},
        {"a longer block is fine", {}, 100, "2x2 up bits 32 colours 0@40 pixels@40 stride 8"},
        // Lies: the block is shorter than the header says.
        {"1000 x 1000 in 140 bytes", {.width = 1000, .height = 1000}, 100, "malformed"},
        {"pixels one byte short", {}, 15, "malformed"},
        {"1 bit without its colours", {.width = 9, .bits = 1}, 8, "malformed"},
        {"masks cut off", {.compression = 3}, 8, "malformed"},
        {"more colours than the depth has", {.bits = 1, .colours_used = 3}, 64, "malformed"},
        {"colours past the block", {.colours_used = 0xFFFFFFFF}, 64, "malformed"},
        {"a zero mask", {.size = 124, .compression = 3, .masks = {0xFF0000, 0, 0xFF}}, 16, "malformed"},
        {"two planes", {.planes = 2}, 16, "malformed"},
        {"negative width", {.width = -2}, 16, "malformed"},
        {"lowest height", {.height = INT32_MIN}, 16, "malformed"},
        {"huge header size", {.size = 0x7FFFFFF0}, 16, "malformed"},
        {"header size of no header", {.size = 41}, 16, "malformed"},
        // Nothing to show, too much to hold, or not drawable from the block alone.
        {"0 x 0", {.width = 0, .height = 0}, 0, "empty"},
        {"no rows", {.height = 0}, 0, "empty"},
        {"16384 x 16385", {.width = 16384, .height = 16385}, 0, "too large"},
        {"claimed far past the limit", {.width = INT32_MAX, .height = -INT32_MAX}, 0, "too large"},
        {"run-length coded", {.bits = 8, .compression = 1}, 1024, "unsupported"},
        {"JPEG inside", {.bits = 0, .compression = 4}, 1024, "unsupported"},
        {"2 bits", {.bits = 2}, 1024, "unsupported"},
        {"24-bit masks", {.bits = 24, .compression = 3}, 1024, "unsupported"},
        {"core header", {.size = 12}, 1024, "unsupported"},
    };
    for (const Case& c : cases) EXPECT_EQ(describe(check_dib_block(block(c.header, c.extra))), c.want) << c.what;
}

TEST(DibBlock, ShortBlocksAreRefused) {
    EXPECT_EQ(describe(check_dib_block({})), "malformed");
    const Bytes whole = block({.compression = 3}, 12 + 16);
    for (size_t n = 0; n < whole.size(); ++n)
        EXPECT_EQ(describe(check_dib_block(std::span(whole).first(n))), "malformed") << n;
}

// A 1-bit image of 16000 x 16000 is within the limit: 32 MB of block for a gigabyte of pixels.
TEST(DibBlock, HugeOneBitImageWithinTheLimit) {
    const Header h{.width = 16000, .height = 16000, .bits = 1};
    const size_t pixels = size_t{2000} * 16000;
    EXPECT_EQ(describe(check_dib_block(block(h, 8 + pixels))), "16000x16000 up bits 1 colours 2@40 pixels@48 stride 2000");
    EXPECT_EQ(describe(check_dib_block(block(h, 8 + pixels - 1))), "malformed");
}
