#pragma once
// Reading the image around recognised words: the line's band, its background and ink, and
// the shapes of small marks. Platform-free.
#include <cstdint>
#include <optional>
#include <span>

#include "ocr/ocr_types.h"

// Truncation toward zero that saturates at the 32-bit limits; NaN gives 0.
int32_t trunc_sat(float v);
// trunc_sat of the value rounded up.
int32_t trunc_ceil(float v);

// Top and height of a line's band: over its one-Han-character words when it has any, else
// over all its words. Without words: top is the largest float and the height 1.
struct OcrBand {
    float top = 0;
    float height = 1;
};
OcrBand words_extent(std::span<const OcrWord> words);

// The image, its background colour (low 24 bits) and the least contrast that counts as ink.
struct InkInfo {
    OcrPixels image;
    uint32_t background = 0;
    int threshold = 0;

    // The largest channel difference from the background; 0 outside the image.
    int contrast(int64_t x, int64_t y) const;
    bool ink(int64_t x, int64_t y) const { return contrast(x, y) >= threshold; }
};

// The largest channel difference between two colours (low 24 bits).
int colour_contrast(uint32_t a, uint32_t b);

// None when the words give no sample inside the image or their strongest contrast is below 40.
std::optional<InkInfo> estimate_background(OcrPixels image, std::span<const OcrWord> words, OcrBand band);

// Pixel boxes, ends exclusive.
struct PixelBox {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};
std::optional<PixelBox> find_ink_bbox(const InkInfo& ink, int64_t x0, int64_t y0, int64_t x1, int64_t y1);
// The first blob from the left in columns [x0, x1): it ends at the third blank column in a row.
std::optional<PixelBox> first_ink_blob(const InkInfo& ink, int64_t x0, int64_t x1, int64_t y0, int64_t y1);

struct OcrBox {
    float x = 0, y = 0, width = 0, height = 0;
};
inline OcrBox box_of(const OcrWord& w) { return {w.x, w.y, w.width, w.height}; }

// The centre's least contrast against `colour` over the box's largest; 1 when the box has none.
float centre_contrast_ratio(OcrPixels image, uint32_t colour, OcrBox box);
// A hollow mark (a ring): a valley across a row through its middle and down the hole's column.
bool is_full_stop_blob(const InkInfo& ink, OcrBox box);
