#pragma once
// Punctuation that the engine reads badly next to CJK text: one-character dash- and dot-like
// words, and marks it dropped after a CJK character. Platform-free.
#include <optional>

#include "ocr/ocr_ink.h"
#include "ocr/ocr_types.h"

// The mark a small box stands for, from its size and place in the band (top a, height t) and
// its neighbours p and n; none means keep what the engine read.
std::optional<char32_t> classify_punct_blob(OcrBox box, float band_top, float band_height, std::optional<char32_t> prev,
                                            std::optional<char32_t> next, const InkInfo* ink);

// A full stop, comma, colon or semicolon found in the gap after `prev` (up to `next`, or past
// the line's end), as a word of its own.
std::optional<OcrWord> recover_cjk_punct(const InkInfo& ink, const OcrWord& prev, const OcrWord* next, float band_top,
                                         float band_height);
