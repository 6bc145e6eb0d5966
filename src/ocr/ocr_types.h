#pragma once
// What recognition hands around: words, lines, the prepared image and the outcome.
// Platform-free.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/geometry.h"
#include "util/result.h"

// The image given to the engine: one 32-bit value per pixel (blue low, then green, red, alpha
// 0xFF), rows from the top. The source scaled by 1 or 2 inside a 16-pixel margin.
struct OcrImage {
    std::vector<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
};

// One recognised word: never empty text; its box in pixels of the recognised OcrImage.
struct OcrWord {
    std::string text;  // UTF-8
    float x = 0, y = 0, width = 0, height = 0;
};

// One recognised line: its words in the engine's order, never none.
struct OcrLine {
    std::vector<OcrWord> words;
};

// One installed recogniser language.
struct OcrLanguage {
    std::string tag;           // BCP-47
    std::string display_name;
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

// Pixels borrowed for reading; an image whose pixel list is shorter than width x height, or
// whose sizes are not positive, reads as absent.
struct OcrPixels {
    std::span<const uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;

    bool valid() const {
        return width > 0 && height > 0 &&
               pixels.size() / static_cast<size_t>(width) >= static_cast<size_t>(height);
    }
    // The pixel, inside the image only.
    uint32_t at(int64_t x, int64_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool contains(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

inline OcrPixels pixels_of(const OcrImage& image) { return {image.pixels, image.width, image.height}; }
