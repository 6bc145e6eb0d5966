#pragma once
// The image handed to the OCR engine, made from a bitmap.
#include <cstdint>
#include <optional>

#include "image/dib_bitmap_win.h"
#include "ocr/ocr_types.h"

struct PreparedOcrImage {
    OcrImage image;
    int32_t scale = 1;  // 1 or 2: source pixels to prepared pixels (plus the 16-pixel margin)
};

// The source scaled by 1 or 2 (HALFTONE) inside a 16-pixel margin of its top-left colour,
// every alpha 0xFF. None when the canvas cannot be made or would hold 2^30 pixels or more
// (checked before anything is allocated). The source stays the caller's.
std::optional<PreparedOcrImage> prepare_ocr_image(const DibBitmap& source);
