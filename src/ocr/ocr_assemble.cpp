#include "ocr/ocr_assemble.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "ocr/ocr_chars.h"
#include "ocr/ocr_punct.h"
#include "util/text.h"

namespace {

bool is_reclassified(const std::u32string& text) {
    if (text.size() != 1) return false;
    switch (text[0]) {
        case U',': case U'-': case U'.': case U'_': case U'\u00B7': case U'\u2014': case U'\u2022':
        case U'\u2027': case U'\u2219': case U'\u30FB': case U'\u4E00': return true;
        default: return false;
    }
}

bool no_space_before(char32_t c) {
    switch (c) {
        case U'!': case U'"': case U'%': case U'\'': case U')': case U',': case U'.': case U':': case U';':
        case U'?': case U']': case U'}': return true;
        default: return false;
    }
}

bool needs_space(const std::u32string& so_far, char32_t c, float gap, float t) {
    if (so_far.empty()) return false;
    const char32_t ch = so_far.back();
    if (is_wide(ch) && is_wide(c)) return false;
    if (is_cjk_punct(ch) || is_cjk_punct(c)) return false;
    if (no_space_before(c)) return false;
    if (ch == U'(' || ch == U'[' || ch == U'{') return false;
    if ((ch == U':' || ch == U'.') && is_ascii_digit(c) && so_far.size() >= 2 && is_ascii_digit(so_far[so_far.size() - 2]))
        return false;
    return gap >= 0.15f * t;
}

// Half-width punctuation next to CJK text takes its full-width form.
std::u32string widen_punctuation(const std::u32string& s) {
    const bool has_han = std::any_of(s.begin(), s.end(), is_han);
    std::u32string out = s;
    for (size_t i = 0; i < s.size(); ++i) {
        std::optional<char32_t> q, r;
        for (size_t j = i; j-- > 0;)
            if (s[j] != U' ') { q = s[j]; break; }
        for (size_t j = i + 1; j < s.size(); ++j)
            if (s[j] != U' ') { r = s[j]; break; }
        const bool qw = q && is_wide(*q), rw = r && is_wide(*r);
        const bool r_digit = r && is_ascii_digit(*r);
        const char32_t c = s[i];
        char32_t& o = out[i];
        if (q && is_ascii_digit(*q)) {
            if (r_digit && has_han) {
                if (c == U'~' || c == U'\u4E00') o = U'\uFF5E';
            } else if (c == U'(' && rw) o = U'\uFF08';
            else if (c == U',' && rw && !r_digit) o = U'\uFF0C';
            else if (c == U':' && rw && !r_digit) o = U'\uFF1A';
            else if (c == U';' && rw) o = U'\uFF1B';
            continue;
        }
        switch (c) {
            case U'!': if (qw) o = U'\uFF01'; break;
            case U'(': if (rw) o = U'\uFF08'; break;
            case U')': if (qw) o = U'\uFF09'; break;
            case U',': if (qw || rw) o = U'\uFF0C'; break;
            case U':': if (qw || rw) o = U'\uFF1A'; break;
            case U';': if (qw || rw) o = U'\uFF1B'; break;
            case U'/': if (qw && rw) o = U'\uFF0F'; break;
            case U'?': if (qw) o = U'\uFF1F'; break;
            default: break;
        }
    }
    return out;
}

// Leading, trailing and doubled spaces, and spaces next to CJK punctuation, go.
std::u32string clean_spaces(const std::u32string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != U' ') {
            out.push_back(s[i]);
            continue;
        }
        if (out.empty() || out.back() == U' ' || is_cjk_punct(out.back())) continue;
        size_t j = i + 1;
        while (j < s.size() && s[j] == U' ') ++j;
        if (j == s.size() || is_cjk_punct(s[j])) continue;
        out.push_back(U' ');
    }
    return out;
}

struct Styles {
    size_t tight = 0, spaced = 0;
};

bool han_alnum_pair(char32_t a, char32_t b) {
    return (is_han(a) && is_ascii_alnum(b)) || (is_ascii_alnum(a) && is_han(b));
}

void count_styles(const std::u32string& s, Styles& styles) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (han_alnum_pair(s[i], s[i + 1])) ++styles.tight;
        if (i + 2 < s.size() && s[i + 1] == U' ' && han_alnum_pair(s[i], s[i + 2])) ++styles.spaced;
    }
}

struct LineFigures {
    OcrLineText line;
    std::u32string text;
    float col_right = 0;
    size_t full = 0;
};

bool joins(const LineFigures& p, const LineFigures& c) {
    const float m = std::max(p.line.band_height, c.line.band_height);
    const float dl = c.line.left - p.line.left;
    const bool aligned = std::fabs(dl) <= 0.8f * m || (dl < 0 && -dl <= 3 * m);
    const float gap = c.line.top - p.line.bottom;
    return aligned && p.full >= 2 && std::fabs(p.line.band_height - c.line.band_height) <= 0.3f * m &&
           gap > -0.3f * m && gap < m && p.col_right - p.line.left >= 8 * m &&
           0.8f * m + c.line.first_word_width > p.col_right - p.line.right;
}

}  // namespace

OcrLineText ocr_join_line_words(const OcrLine& line, OcrBand band, const InkInfo* ink) {
    const float a = band.top, t = band.height;
    std::vector<OcrWord> out;
    out.reserve(line.words.size() + 2);
    for (size_t i = 0; i < line.words.size(); ++i) {
        const OcrWord& word = line.words[i];
        if (ink && !out.empty() && word.x - (out.back().x + out.back().width) >= 0.6f * t) {
            if (std::optional<OcrWord> mark = recover_cjk_punct(*ink, out.back(), &word, a, t)) out.push_back(std::move(*mark));
        }
        OcrWord copy = word;
        const std::u32string cps = utf8_to_utf32(copy.text);
        if (is_reclassified(cps)) {
            std::optional<char32_t> p, n;
            if (!out.empty()) {
                const std::u32string last = utf8_to_utf32(out.back().text);
                if (!last.empty()) p = last.back();
            }
            if (i + 1 < line.words.size()) {
                const std::u32string next = utf8_to_utf32(line.words[i + 1].text);
                if (!next.empty()) n = next.front();
            }
            if (const std::optional<char32_t> mark = classify_punct_blob(box_of(copy), a, t, p, n, ink))
                copy.text = utf32_to_utf8(std::u32string(1, *mark));
        }
        out.push_back(std::move(copy));
    }
    if (ink && !out.empty()) {
        if (std::optional<OcrWord> mark = recover_cjk_punct(*ink, out.back(), nullptr, a, t)) out.push_back(std::move(*mark));
    }

    OcrLineText result;
    result.band_height = t;
    if (out.empty()) return result;
    result.left = result.top = INFINITY;
    result.right = result.bottom = -INFINITY;
    for (const OcrWord& w : out) {
        result.left = std::min(result.left, w.x);
        result.top = std::min(result.top, w.y);
        result.right = std::max(result.right, w.x + w.width);
        result.bottom = std::max(result.bottom, w.y + w.height);
    }
    result.first_word_width = out.front().width;

    std::u32string text;
    for (size_t i = 0; i < out.size(); ++i) {
        const std::u32string word = utf8_to_utf32(out[i].text);
        if (word.empty()) continue;
        if (i > 0 && needs_space(text, word.front(), out[i].x - (out[i - 1].x + out[i - 1].width), t)) text.push_back(U' ');
        text += word;
    }
    result.text = utf32_to_utf8(clean_spaces(widen_punctuation(text)));
    return result;
}

AssembledText assemble_ocr_text(std::span<const OcrLine> lines, OcrPixels image) {
    std::vector<LineFigures> figures;
    figures.reserve(lines.size());
    for (const OcrLine& line : lines) {
        if (line.words.empty()) continue;
        const OcrBand band = words_extent(line.words);
        const std::optional<InkInfo> ink = image.valid() ? estimate_background(image, line.words, band) : std::nullopt;
        LineFigures f;
        f.line = ocr_join_line_words(line, band, ink ? &*ink : nullptr);
        f.text = utf8_to_utf32(f.line.text);
        figures.push_back(std::move(f));
    }
    if (figures.empty()) return {};

    // Lines of one column: their left edges within 3 band heights.
    for (LineFigures& j : figures) {
        j.col_right = -INFINITY;
        for (const LineFigures& i : figures)
            if (std::fabs(i.line.left - j.line.left) <= 3 * std::max(i.line.band_height, j.line.band_height))
                j.col_right = std::max(j.col_right, i.line.right);
        for (const LineFigures& i : figures)
            if (std::fabs(i.line.left - j.line.left) <= 3 * std::max(i.line.band_height, j.line.band_height) &&
                i.line.band_height * 1.5f > j.col_right - i.line.right)
                ++j.full;
    }
    Styles styles;
    for (const LineFigures& f : figures) count_styles(f.text, styles);

    std::u32string assembled = figures.front().text;
    std::string line_text = figures.front().line.text;
    for (size_t k = 1; k < figures.size(); ++k) {
        const LineFigures& p = figures[k - 1];
        const LineFigures& c = figures[k];
        if (joins(p, c)) {
            const char32_t e = assembled.empty() ? U' ' : assembled.back();
            const char32_t s = c.text.empty() ? U' ' : c.text.front();
            if ((!is_wide(e) && !is_wide(s) && e != U'-') || (han_alnum_pair(e, s) && styles.tight < styles.spaced))
                assembled.push_back(U' ');
        } else {
            assembled.push_back(U'\n');
        }
        assembled += c.text;
        line_text += '\n';
        line_text += c.line.text;
    }
    return {utf32_to_utf8(assembled), std::move(line_text)};
}
