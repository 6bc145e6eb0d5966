#pragma once
// Operations shared by every user of DibBitmap. Each constructor gives none on a size that is
// not positive or on a failed GDI call.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "image/dib_bitmap_win.h"
#include "util/geometry.h"

// 0xRRGGBB at column x, row y; none outside the bitmap.
std::optional<uint32_t> bitmap_pixel(const DibBitmap& bitmap, int32_t x, int32_t y);
// The part of rect (source pixels) inside the source, as an independent bitmap.
std::optional<DibBitmap> crop_bitmap(const DibBitmap& source, const Rect& rect);
// A top-down 32-bpp copy of any GDI bitmap (DDB or DIB, either row order), fourth byte 0.
// The bitmap must not be selected into a DC.
std::optional<DibBitmap> bitmap_from_hbitmap(HBITMAP hbitmap);
// Rotated by 90 degrees: height wide and width high.
std::optional<DibBitmap> rotate_bitmap(const DibBitmap& source, bool clockwise);
