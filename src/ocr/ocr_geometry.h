#pragma once
// The size of the image given to the engine: the source scaled by 1 or 2 (small sources are
// doubled so that the engine sees larger glyphs) inside a 16-pixel margin. Platform-free.
#include <cstdint>

inline constexpr int32_t OCR_MARGIN = 16;

struct OcrCanvas {
    int32_t scale = 1;
    int64_t width = 0, height = 0;  // 64 bits: a huge source must not wrap

    bool positive() const { return width > 0 && height > 0; }
    // 2^30 pixels or more cannot be handed to the engine.
    bool too_large() const;
    bool usable() const { return positive() && !too_large(); }
};

OcrCanvas ocr_canvas_for(int32_t source_width, int32_t source_height);
