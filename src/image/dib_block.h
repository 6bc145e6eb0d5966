#pragma once
// A packed DIB as another program puts it on the clipboard (CF_DIB, CF_DIBV5): its header read
// and checked against the block's real size before any pixel is drawn from it. The system's own
// conversion trusts the header and reads past a block that claims more than it holds.
// Platform-free.
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

enum class DibRefusal : uint8_t {
    Malformed,    // the header, its masks, colours or pixels do not fit the block, or disagree
    Empty,        // a width or height of 0: nothing to show
    TooLarge,     // more pixels than an image may have (MAX_LOADED_PIXELS)
    Unsupported,  // compressed (RLE, JPEG, PNG) or a depth clipboards do not carry
};

struct DibLayout {
    int32_t width = 0;
    int32_t height = 0;        // rows, positive
    bool top_down = false;
    uint16_t bit_count = 0;    // 1, 4, 8, 16, 24 or 32
    bool bitfields = false;    // 16 or 32 bits whose channels the masks give
    uint32_t masks[3]{};       // red, green, blue, when bitfields
    size_t colours_offset = 0; // RGBQUADs of a 1-, 4- or 8-bit image
    uint32_t colours = 0;
    size_t pixels_offset = 0;
    size_t stride = 0;         // bytes per row, padded to 4
    size_t pixel_bytes() const { return stride * static_cast<size_t>(height); }
};

using DibCheck = std::variant<DibLayout, DibRefusal>;

// The block's layout when everything the header claims lies inside it. Only the header's
// fields are read: no pixel.
DibCheck check_dib_block(std::span<const uint8_t> block);
