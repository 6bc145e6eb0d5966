#include "ocr/ocr_choose.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

#include "util/text.h"

namespace {

struct TaggedLine {
    OcrLine line;
    size_t tag = 0;  // index into the language list
};

struct LineBox {
    float left, top, right, bottom;
    float height() const { return bottom - top; }
};

LineBox box_of(const OcrLine& line) {
    LineBox b{std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(),
              -std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
    for (const OcrWord& w : line.words) {
        b.left = std::min(b.left, w.x);
        b.top = std::min(b.top, w.y);
        b.right = std::max(b.right, w.x + w.width);
        b.bottom = std::max(b.bottom, w.y + w.height);
    }
    return b;
}

bool lines_overlap(const OcrLine& c, const OcrLine& r) {
    const LineBox a = box_of(c), b = box_of(r);
    if (!(std::min(a.right, b.right) > std::max(a.left, b.left))) return false;
    return std::min(a.bottom, b.bottom) - std::max(a.top, b.top) >= 0.5f * std::min(a.height(), b.height());
}

bool words_overlap(const OcrWord& w, const OcrWord& v) {
    return std::min(w.x + w.width, v.x + v.width) - 0.3f * std::min(w.width, v.width) > std::max(w.x, v.x);
}

// Ascending in the total order of floats (-0 before +0).
uint32_t order_key(float v) {
    const uint32_t bits = std::bit_cast<uint32_t>(v);
    return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

void sort_by_x(std::vector<OcrWord>& words) {
    std::stable_sort(words.begin(), words.end(),
                     [](const OcrWord& a, const OcrWord& b) { return order_key(a.x) < order_key(b.x); });
}

bool any_counts_for(const std::string& text, ScriptSet set) {
    for (char32_t c : utf8_to_utf32(text))
        if (counts_for(c, set)) return true;
    return false;
}

// A character that counts for `y` and whose class is outside `x`.
bool any_foreign(const std::string& text, ScriptSet y, ScriptSet x) {
    for (char32_t c : utf8_to_utf32(text))
        if (counts_for(c, y) && !counts_for(c, x)) return true;
    return false;
}

std::u32string joined_text(const std::vector<TaggedLine>& lines, const std::vector<size_t>& members) {
    std::u32string text;
    bool first = true;
    for (size_t i : members)
        for (const OcrWord& w : lines[i].line.words) {
            if (!first) text.push_back(U' ');
            first = false;
            text += utf8_to_utf32(w.text);
        }
    return text;
}

class DisjointSets {
public:
    explicit DisjointSets(size_t n) : parent_(n) {
        for (size_t i = 0; i < n; ++i) parent_[i] = i;
    }
    size_t find(size_t i) {
        while (parent_[i] != i) {
            parent_[i] = parent_[parent_[i]];
            i = parent_[i];
        }
        return i;
    }
    // Hangs the root of `child` under the root of `parent`.
    void join(size_t child, size_t parent) {
        const size_t a = find(child), b = find(parent);
        if (a != b) parent_[a] = b;
    }

private:
    std::vector<size_t> parent_;
};

struct Replacement {
    bool set = false;
    std::vector<OcrWord> words;  // set and empty: the line goes
};

std::vector<TaggedLine> run_stage(const std::vector<TaggedLine>& current, const std::vector<OcrLine>& other, ScriptSet y,
                                  size_t stage_tag, const std::vector<ScriptSet>& languages) {
    const size_t n = current.size(), m = other.size();
    DisjointSets sets(n + m);
    for (size_t j = 0; j < m; ++j)
        for (size_t i = 0; i < n; ++i)
            if (lines_overlap(current[i].line, other[j])) sets.join(i, n + j);

    std::vector<Replacement> replacements(n);
    std::vector<OcrLine> added;
    std::vector<size_t> handled;
    std::vector<TaggedLine> other_tagged;
    other_tagged.reserve(m);
    for (const OcrLine& line : other) other_tagged.push_back({line, stage_tag});

    for (size_t j = 0; j < m; ++j) {
        const size_t root = sets.find(n + j);
        if (std::find(handled.begin(), handled.end(), root) != handled.end()) continue;
        handled.push_back(root);
        std::vector<size_t> in_current, in_other;
        for (size_t i = 0; i < n; ++i)
            if (sets.find(i) == root) in_current.push_back(i);
        for (size_t k = 0; k < m; ++k)
            if (sets.find(n + k) == root) in_other.push_back(k);

        ScriptSet x = 0;
        for (size_t i : in_current) x |= languages[current[i].tag];
        const std::u32string current_text = joined_text(current, in_current);
        const std::u32string other_text = joined_text(other_tagged, in_other);
        size_t s = 0, f = 0;
        for (char32_t c : other_text) {
            if (script_of(c)) ++s;
            if (counts_for(c, y) && !counts_for(c, x)) ++f;
        }
        const bool foreign = f >= 2 && 10 * f >= 3 * s;
        bool latin_replacement = false;
        // A Latin reading replaces only text the current lines' own non-Latin script failed to
        // read; with a Latin primary its own reading stands.
        if (y == LATIN_ONLY && !in_current.empty() && (x & ~LATIN_ONLY) != 0 && !current_text.empty()) {
            const bool no_other_script = std::none_of(current_text.begin(), current_text.end(), [](char32_t c) {
                const std::optional<Script> sc = script_of(c);
                return sc && *sc != Script::Latin;
            });
            latin_replacement = no_other_script && std::any_of(current_text.begin(), current_text.end(), is_letter_or_digit) &&
                                std::any_of(other_text.begin(), other_text.end(), is_letter_or_digit);
        }
        if (!foreign && !latin_replacement) continue;

        std::vector<OcrWord> words;
        if (foreign && in_current.size() == 1 && in_other.size() == 1) {
            const OcrLine& c = current[in_current[0]].line;
            for (const OcrWord& w : other[in_other[0]].words) {
                bool keep = any_foreign(w.text, y, x);
                if (!keep) {
                    keep = std::none_of(c.words.begin(), c.words.end(), [&](const OcrWord& v) {
                        return any_counts_for(v.text, x) && words_overlap(w, v);
                    });
                }
                if (keep) words.push_back(w);
            }
            std::vector<OcrWord> kept = ocr_filter_script_conflicts(c.words, x, words, y);
            words.insert(words.end(), kept.begin(), kept.end());
            sort_by_x(words);
        } else {
            for (size_t k : in_other) words.insert(words.end(), other[k].words.begin(), other[k].words.end());
        }
        if (in_current.empty()) {
            for (size_t k : in_other) added.push_back(other[k]);
            continue;
        }
        replacements[in_current[0]] = {true, std::move(words)};
        for (size_t k = 1; k < in_current.size(); ++k) replacements[in_current[k]] = {true, {}};
    }

    std::vector<TaggedLine> next;
    next.reserve(n + added.size());
    for (size_t i = 0; i < n; ++i) {
        if (!replacements[i].set) {
            next.push_back(current[i]);
        } else if (!replacements[i].words.empty()) {
            TaggedLine line{{std::move(replacements[i].words)}, stage_tag};
            sort_by_x(line.line.words);
            next.push_back(std::move(line));
        }
    }
    for (OcrLine& line : added) {
        const float top = box_of(line).top;
        const auto at = std::find_if(next.begin(), next.end(), [&](const TaggedLine& l) { return box_of(l.line).top > top; });
        next.insert(at, TaggedLine{std::move(line), stage_tag});
    }
    return next;
}

}  // namespace

std::vector<OcrWord> ocr_filter_script_conflicts(std::span<const OcrWord> a, ScriptSet x, std::span<const OcrWord> b,
                                                 ScriptSet y) {
    std::vector<OcrWord> out;
    for (const OcrWord& w : a) {
        if (!any_counts_for(w.text, x)) continue;
        const bool conflict = std::any_of(b.begin(), b.end(), [&](const OcrWord& v) {
            return any_foreign(v.text, y, x) && words_overlap(w, v);
        });
        if (!conflict) out.push_back(w);
    }
    return out;
}

std::vector<OcrLine> choose_best_ocr(const std::string& primary_tag, const std::vector<OcrLine>& primary,
                                     std::span<const TaggedOcrResult> others) {
    std::vector<ScriptSet> languages{script_for_language(primary_tag)};
    std::vector<TaggedLine> current;
    for (const OcrLine& line : primary)
        if (!line.words.empty()) current.push_back({line, 0});
    for (const TaggedOcrResult& result : others) {
        const ScriptSet y = script_for_language(result.tag);
        languages.push_back(y);
        std::vector<OcrLine> lines;
        for (const OcrLine& line : result.lines)
            if (!line.words.empty()) lines.push_back(line);
        current = run_stage(current, lines, y, languages.size() - 1, languages);
    }
    std::vector<OcrLine> answer;
    answer.reserve(current.size());
    for (TaggedLine& line : current) answer.push_back(std::move(line.line));
    return answer;
}
