#pragma once
// Pixel work on 32-bpp top-down images held as one 32-bit value per pixel (blue, green, red,
// then a byte without colour). No Windows header: the GDI side lives in *_win files.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "util/geometry.h"

inline constexpr uint32_t COLOUR_MASK = 0x00FFFFFFu;
inline constexpr uint32_t FOURTH_BYTE = 0xFF000000u;

// The part of rect inside a width x height image; none when nothing of it is inside.
std::optional<Rect> clamp_crop_rect(const Rect& rect, int32_t width, int32_t height);

// The pixel at column x, row y without its fourth byte; none outside the image.
std::optional<uint32_t> pixel_at(std::span<const uint32_t> pixels, int32_t width, int32_t height, int32_t x,
                                 int32_t y);

void clear_fourth_byte(std::span<uint32_t> pixels);

// Rotates a width x height image by 90 degrees into out, which is height wide and width high.
// Clockwise: (x, y) goes to row x, column height-1-y. Counter-clockwise: row width-1-x, column y.
void rotate_pixels(std::span<const uint32_t> pixels, int32_t width, int32_t height, bool clockwise,
                   std::span<uint32_t> out);

// A packed CF_DIB: a 40-byte BITMAPINFOHEADER (positive height, so rows bottom-up) and the
// pixels with their fourth byte set to 0xFF. None when a size is not positive or the pixel
// bytes do not fit the header's 32-bit image size.
inline constexpr size_t CF_DIB_HEADER_SIZE = 40;
std::optional<size_t> cf_dib_size(int32_t width, int32_t height);
// Writes into out, which holds exactly cf_dib_size(width, height) bytes.
void write_cf_dib(std::span<const uint32_t> pixels, int32_t width, int32_t height, std::span<uint8_t> out);
std::optional<std::vector<uint8_t>> pack_cf_dib(std::span<const uint32_t> pixels, int32_t width, int32_t height);

// Image files larger than this are refused before any pixel memory is made for them.
inline constexpr uint64_t MAX_LOADED_PIXELS = uint64_t{1} << 28;  // 1 GiB at 32 bpp
bool loadable_image_size(uint64_t width, uint64_t height);
