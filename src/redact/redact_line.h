#pragma once
// One recognised line as the personal-data rules read it: the words' characters (full-width
// forms folded to ASCII, look-alike letters read as digits in numeric words) with spaces or
// hard breaks put between the words by their gaps. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "ocr/ocr_types.h"

// Put between two words that stand far apart: no rule reads across it as one value.
inline constexpr char32_t HARD_BREAK = 1;

// Where a character of the scan text came from; `word` is -1 for an inserted one.
struct CharOrigin {
    int32_t word = -1;
    int32_t index = 0;  // its position in the word
    int32_t count = 0;  // the word's character count
};

struct LineText {
    std::u32string text;
    std::vector<CharOrigin> origin;  // one per character of text
    float reference_height = 1;      // the median word height, at least 1
};

LineText build_line_text(const OcrLine& line);

// A word's characters as the scan reads them.
std::u32string scan_word_chars(std::string_view utf8);

// Character classes of the scan.
bool scan_wide(char32_t c);  // U+2E80–9FFF, AC00–D7AF, F900–FAFF, FE30–FE4F, FF00–FFEF
bool scan_cjk(char32_t c);   // the same without U+FF00–FFEF
inline bool scan_digit(char32_t c) { return c >= U'0' && c <= U'9'; }
inline bool scan_letter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }
inline bool scan_alnum(char32_t c) { return scan_digit(c) || scan_letter(c); }
