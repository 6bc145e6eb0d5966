#pragma once
// Recognised words into line texts and into paragraphs: spacing by script, full-width
// punctuation next to CJK text, marks recovered from the image. Platform-free.
#include <span>
#include <string>

#include "ocr/ocr_ink.h"
#include "ocr/ocr_types.h"

struct OcrLineText {
    std::string text;
    float left = 0, top = 0, right = 0, bottom = 0;  // over the line's output words
    float band_height = 1;
    float first_word_width = 0;
};

// One line's text. `ink` (the line's background and threshold) lets marks the engine dropped
// be found in the gaps.
OcrLineText ocr_join_line_words(const OcrLine& line, OcrBand band, const InkInfo* ink);

// The assembled text (lines of one wrapped paragraph joined) and the line text (each line on
// its own). `image` is the recognised image; an invalid one reads no pixels.
struct AssembledText {
    std::string assembled;
    std::string lines;
};
AssembledText assemble_ocr_text(std::span<const OcrLine> lines, OcrPixels image);
