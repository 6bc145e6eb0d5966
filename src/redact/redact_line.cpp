#include "redact/redact_line.h"

#include <algorithm>

#include "util/text.h"

namespace {

char32_t look_alike_digit(char32_t c) {
    switch (c) {
        case U'B': return U'8';
        case U'D': case U'O': case U'o': return U'0';
        case U'I': case U'l': case U'|': return U'1';
        case U'S': case U's': return U'5';
        case U'Z': case U'z': return U'2';
        default: return c;
    }
}

bool is_bracket_or_sign(char32_t c) { return c == U'(' || c == U')' || c == U'+' || c == U'-'; }

// What goes between two words: nothing, a space or a hard break.
std::u32string separator(float gap, float m, char32_t a, char32_t b) {
    if (gap > 1.5f * m) return std::u32string(1, HARD_BREAK);
    if (scan_wide(a) && scan_wide(b)) return {};
    if (scan_wide(a) && b == U':') return {};
    if (a == U':' && scan_cjk(b)) return {};
    if (scan_digit(a) && scan_digit(b) && gap < 0.45f * m) return {};
    if ((is_bracket_or_sign(a) || is_bracket_or_sign(b)) && gap < 0.3f * m) return {};
    return U" ";
}

}  // namespace

bool scan_cjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F);
}

bool scan_wide(char32_t c) { return scan_cjk(c) || (c >= 0xFF00 && c <= 0xFFEF); }

std::u32string scan_word_chars(std::string_view utf8) {
    std::u32string chars = utf8_to_utf32(utf8);
    size_t digits = 0, letters = 0;
    for (char32_t& c : chars) {
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
        else if (c == 0x3000) c = U' ';
        if (scan_digit(c)) ++digits;
        else if (scan_letter(c)) ++letters;
    }
    // An OCR'd number often comes back with O for 0, l for 1 and the like.
    if (digits > 2 && digits >= letters)
        for (char32_t& c : chars) c = look_alike_digit(c);
    return chars;
}

LineText build_line_text(const OcrLine& line) {
    LineText out;
    std::vector<float> heights;
    heights.reserve(line.words.size());
    for (const OcrWord& w : line.words) heights.push_back(w.height);
    if (!heights.empty()) {
        // A NaN height must not upset the ordering.
        for (float& h : heights)
            if (h != h) h = 0;
        std::nth_element(heights.begin(), heights.begin() + static_cast<ptrdiff_t>(heights.size() / 2), heights.end());
        out.reference_height = std::max(heights[heights.size() / 2], 1.0f);
    }
    const float m = out.reference_height;
    for (size_t i = 0; i < line.words.size(); ++i) {
        const OcrWord& w = line.words[i];
        const std::u32string chars = scan_word_chars(w.text);
        if (i > 0) {
            const OcrWord& prev = line.words[i - 1];
            const float gap = w.x - (prev.x + prev.width);
            const char32_t a = out.text.empty() ? U' ' : out.text.back();
            const char32_t b = chars.empty() ? U' ' : chars.front();
            for (char32_t c : separator(gap, m, a, b)) {
                out.text.push_back(c);
                out.origin.push_back({});
            }
        }
        const auto count = static_cast<int32_t>(chars.size());
        for (int32_t k = 0; k < count; ++k) {
            out.text.push_back(chars[static_cast<size_t>(k)]);
            out.origin.push_back({static_cast<int32_t>(i), k, count});
        }
    }
    return out;
}
