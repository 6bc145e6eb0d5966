#include "image/dib_block_win.h"

#include <cstring>

#include "image/pixels.h"

namespace {

// BITMAPINFO with room for the masks or the 256 colours behind the header.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

}  // namespace

std::optional<DibBitmap> bitmap_from_dib_block(const DibLayout& layout, std::span<const uint8_t> block) {
    // The layout was made from this block; a mismatch is a caller's mistake, not another program's.
    if (layout.pixels_offset + layout.pixel_bytes() > block.size() || layout.colours > 256) return std::nullopt;
    DibInfo info{};
    BITMAPINFOHEADER& h = info.header;
    h.biSize = sizeof h;
    h.biWidth = layout.width;
    h.biHeight = layout.top_down ? -layout.height : layout.height;
    h.biPlanes = 1;
    h.biBitCount = layout.bit_count;
    h.biCompression = layout.bitfields ? BI_BITFIELDS : BI_RGB;
    h.biClrUsed = layout.colours;
    if (layout.bitfields) {
        std::memcpy(info.colours, layout.masks, sizeof layout.masks);
    } else if (layout.colours > 0) {
        std::memcpy(info.colours, block.data() + layout.colours_offset, size_t{layout.colours} * sizeof(RGBQUAD));
    }
    std::optional<DibBitmap> out = DibBitmap::create(layout.width, layout.height);
    if (!out) return std::nullopt;
    // A straight copy of all rows at once (a top-down DIB takes nothing else), no stretching.
    const int lines = SetDIBitsToDevice(out->hdc(), 0, 0, static_cast<DWORD>(layout.width),
                                        static_cast<DWORD>(layout.height), 0, 0, 0, static_cast<UINT>(layout.height),
                                        block.data() + layout.pixels_offset, reinterpret_cast<const BITMAPINFO*>(&info),
                                        DIB_RGB_COLORS);
    if (lines <= 0) return std::nullopt;  // 0, or GDI_ERROR read as an int
    GdiFlush();
    clear_fourth_byte(out->pixels());
    return out;
}
