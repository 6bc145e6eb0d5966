#include "pin/pin_pixels.h"

#include <algorithm>
#include <cstddef>

namespace {

bool fits(std::span<uint32_t> pixels, int32_t w, int32_t h) {
    return w > 0 && h > 0 && pixels.size() == static_cast<size_t>(w) * static_cast<size_t>(h);
}

}  // namespace

void flip_h(std::span<uint32_t> pixels, int32_t w, int32_t h) {
    if (!fits(pixels, w, h)) return;
    const auto width = static_cast<size_t>(w);
    for (size_t row = 0; row < static_cast<size_t>(h); ++row) {
        const auto start = pixels.begin() + static_cast<std::ptrdiff_t>(row * width);
        std::reverse(start, start + w);
    }
}

void flip_v(std::span<uint32_t> pixels, int32_t w, int32_t h) {
    if (!fits(pixels, w, h)) return;
    const auto width = static_cast<size_t>(w);
    for (size_t top = 0, bottom = static_cast<size_t>(h) - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(top * width),
                         pixels.begin() + static_cast<std::ptrdiff_t>((top + 1) * width),
                         pixels.begin() + static_cast<std::ptrdiff_t>(bottom * width));
}

void grayscale(std::span<uint32_t> pixels) {
    for (uint32_t& p : pixels) {
        const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        p = ((77 * r + 150 * g + 29 * b) >> 8) * 0x010101u;
    }
}

void invert(std::span<uint32_t> pixels) {
    for (uint32_t& p : pixels) p = ~p & 0xFFFFFFu;
}
