#pragma once
// What recognition hands around: the prepared image and the outcome. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "util/geometry.h"
#include "util/result.h"

// The image given to the engine: one 32-bit value per pixel (blue low, then green, red, alpha
// 0xFF), rows from the top.
struct OcrImage {
    std::vector<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
};

// The text form of a recognition: the assembled text and the recognised lines joined by "\n".
struct OcrText {
    std::string assembled;
    std::string lines;
};

// A recognition's outcome: the text form, or the error message.
using OcrTextResult = Result<OcrText>;

// The payload of WM_APP_OCR_DONE.
struct OcrJobResult {
    OcrImage image;
    OcrTextResult result;
    Rect placement;  // screen rectangle near which the result window goes
};
