#pragma once
// A DIB block that check_dib_block accepted, drawn into a 32-bpp bitmap.
#include <cstdint>
#include <optional>
#include <span>

#include "image/dib_block.h"
#include "image/dib_bitmap_win.h"

// GDI converts the pixels, given a header of our own built from the checked layout and the
// block it was checked against; the fourth byte of every pixel comes out 0. None when GDI fails.
std::optional<DibBitmap> bitmap_from_dib_block(const DibLayout& layout, std::span<const uint8_t> block);
