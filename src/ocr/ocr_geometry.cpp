#include "ocr/ocr_geometry.h"

#include <algorithm>

#include "ocr/ocr_recognize.h"

bool OcrCanvas::too_large() const {
    if (!positive()) return false;
    int64_t pixels = 0;
    return __builtin_mul_overflow(width, height, &pixels) || pixels >= OCR_MAX_PIXELS;
}

OcrCanvas ocr_canvas_for(int32_t w, int32_t h) {
    // w x h x 4 bytes over 10,000,000, said without overflowing.
    const int64_t area = int64_t{w} * h;
    const int64_t longest = std::max<int64_t>(w, h);
    OcrCanvas c;
    c.scale = area > 2'500'000 ? 1 : (2 * longest + 2 * OCR_MARGIN < 10'001 ? 2 : 1);
    c.width = c.scale * int64_t{w} + 2 * OCR_MARGIN;
    c.height = c.scale * int64_t{h} + 2 * OCR_MARGIN;
    return c;
}
