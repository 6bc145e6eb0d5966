#pragma once
// Recognised lines laid out from a text, for the personal-data scan's tests and benchmark.
// Words are split at ' ' (a normal gap of half the height), '~' (a tight gap of a fifth) and
// '^' (a gap of two heights: a hard break). Characters in [brackets] are ones a person expects
// covered; the brackets are not part of the text. ASCII characters are half the height wide,
// CJK and full-width ones the height.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ocr/ocr_types.h"
#include "redact/redact_line.h"
#include "util/text.h"

struct LaidOutLine {
    OcrLine line;
    std::vector<std::vector<bool>> expected;  // per word, per character: in brackets
};

inline LaidOutLine lay_out_line(std::string_view spec, float y, float h = 20, float x0 = 16) {
    LaidOutLine out;
    float x = x0;
    float gap = 0;
    std::string word;
    auto flush = [&](float next_gap) {
        if (!word.empty()) {
            std::u32string chars;
            std::vector<bool> expected;
            bool inside = false;
            for (char32_t c : utf8_to_utf32(word)) {
                if (c == U'[' || c == U']') {
                    inside = c == U'[';
                    continue;
                }
                chars.push_back(c);
                expected.push_back(inside);
            }
            // Characters share the box evenly, as the scan assumes.
            float width = 0;
            for (char32_t c : chars) width = std::max(width, scan_wide(c) ? h : h / 2);
            width *= static_cast<float>(chars.size());
            x += gap;
            out.line.words.push_back(OcrWord{utf32_to_utf8(chars), x, y, width, h});
            out.expected.push_back(std::move(expected));
            x += width;
            word.clear();
        }
        gap = next_gap;
    };
    for (char c : spec) {
        if (c == ' ') flush(h / 2);
        else if (c == '~') flush(h / 5);
        else if (c == '^') flush(2 * h);
        else word.push_back(c);
    }
    flush(0);
    return out;
}
