#pragma once
// Where the texels of a desktop-duplication texture land in a 32-bpp pixel buffer, for the four
// DXGI_MODE_ROTATION values, and the way back from a buffer rectangle to a texel box.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "util/geometry.h"

// DXGI_MODE_ROTATION; any other value is treated as identity.
inline constexpr uint32_t ROTATION_UNSPECIFIED = 0;
inline constexpr uint32_t ROTATION_IDENTITY = 1;
inline constexpr uint32_t ROTATION_90 = 2;
inline constexpr uint32_t ROTATION_180 = 3;
inline constexpr uint32_t ROTATION_270 = 4;

struct BufferPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const BufferPoint&, const BufferPoint&) = default;
};

struct TexelSize {
    uint32_t width = 0, height = 0;
    friend bool operator==(const TexelSize&, const TexelSize&) = default;
};

// Texels [left, right) x [top, bottom).
struct TexelBox {
    uint32_t left = 0, top = 0, right = 0, bottom = 0;
    uint32_t width() const { return right - left; }
    uint32_t height() const { return bottom - top; }
    friend bool operator==(const TexelBox&, const TexelBox&) = default;
};

bool rotation_swaps_axes(uint32_t rotation);

// The size of a texture whose image fills `dest` once rotated: 90 and 270 degrees exchange the axes.
TexelSize texture_size_for(uint32_t rotation, const Rect& dest);

// Texel (c, r) of a texture whose image fills `dest` lands here.
BufferPoint texel_to_buffer(uint32_t rotation, const Rect& dest, uint32_t c, uint32_t r);

// The texels of the texture that fills `whole` which land in `part`; none unless `part` is a
// non-empty rectangle inside `whole`. Those texels, copied on their own, fill `part` by the same
// mapping as the whole texture fills `whole`.
std::optional<TexelBox> texel_box_for(uint32_t rotation, const Rect& whole, const Rect& part);

// Mapped texels: rows of `width` BGRA texels, `row_pitch` bytes apart.
struct TexelView {
    const uint8_t* data = nullptr;
    uint32_t row_pitch = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};

// A top-down buffer of one 32-bit value per pixel, rows of `width` values.
struct PixelTarget {
    uint32_t* pixels = nullptr;
    size_t pixel_count = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Copies the texels so that they fill `dest` (buffer coordinates). False, with nothing written,
// when the texture's size does not match `dest` for the rotation, `dest` is empty or not inside
// the buffer, the row pitch is shorter than a row, or the buffer is smaller than its size says.
bool copy_texels(const TexelView& src, uint32_t rotation, const PixelTarget& dst, const Rect& dest);
