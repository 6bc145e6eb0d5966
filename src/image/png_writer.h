#pragma once
// PNG encoding of 32-bpp BGRX pixels (0x00RRGGBB values, rows top-down) as 8-bit RGB.
// Platform-free: the bytes go to a ByteSink; files are written through win/file_io.h.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "util/byte_sink.h"
#include "util/result.h"

// Bytes are handed to the sink in blocks of this size (the last one shorter).
inline constexpr size_t PNG_WRITE_BUFFER = 8192;

// RGB8, no interlace, adaptive filtering, deflate level 1. A zero size, too few pixels or any
// encoder or sink error gives an error; the sink may then hold part of a file.
Status encode_png(const uint32_t* pixels, size_t pixel_count, uint32_t width, uint32_t height,
                  ByteSink& sink);

// One row of 0x00RRGGBB values to R, G, B bytes (dst holds 3 * count bytes).
void bgrx_to_rgb_row(const uint32_t* src, uint8_t* dst, size_t count);
