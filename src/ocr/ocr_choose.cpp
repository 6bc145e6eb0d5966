#include "ocr/ocr_choose.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

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

// Lines of the current reading and of the other recogniser's that overlap, directly or through
// one another: one region of the image.
struct Region {
    std::vector<size_t> current;  // indices of the current lines, ascending
    std::vector<size_t> other;    // indices of the other reading's lines, ascending
};

// The regions that hold a line of the other reading, in the order of their first such line.
std::vector<Region> overlapping_regions(const std::vector<TaggedLine>& current, const std::vector<OcrLine>& other) {
    const size_t n = current.size(), m = other.size();
    DisjointSets sets(n + m);  // the current lines, then the other's
    for (size_t j = 0; j < m; ++j)
        for (size_t i = 0; i < n; ++i)
            if (lines_overlap(current[i].line, other[j])) sets.join(i, n + j);

    std::vector<size_t> roots;
    std::vector<Region> regions;
    for (size_t j = 0; j < m; ++j) {
        const size_t root = sets.find(n + j);
        if (std::find(roots.begin(), roots.end(), root) != roots.end()) continue;
        roots.push_back(root);
        Region region;
        for (size_t i = 0; i < n; ++i)
            if (sets.find(i) == root) region.current.push_back(i);
        for (size_t k = 0; k < m; ++k)
            if (sets.find(n + k) == root) region.other.push_back(k);
        regions.push_back(std::move(region));
    }
    return regions;
}

// The words of the lines `line_at` gives for `indices`, joined by single spaces.
template <typename LineAt>
std::u32string joined_text(const std::vector<size_t>& indices, LineAt line_at) {
    std::u32string text;
    bool first = true;
    for (size_t i : indices)
        for (const OcrWord& w : line_at(i).words) {
            if (!first) text.push_back(U' ');
            first = false;
            text += utf8_to_utf32(w.text);
        }
    return text;
}

// The other reading found its own scripts where the current lines' scripts do not reach: two
// such characters or more, and at least 3 in 10 of its characters that have a script.
bool reads_foreign_script(std::u32string_view other_text, ScriptSet other_scripts, ScriptSet current_scripts) {
    size_t with_script = 0, foreign = 0;
    for (char32_t c : other_text) {
        if (script_of(c)) ++with_script;
        if (counts_for(c, other_scripts) && !counts_for(c, current_scripts)) ++foreign;
    }
    return foreign >= 2 && 10 * foreign >= 3 * with_script;
}

// A Latin reading replaces only text the current lines' own non-Latin script failed to read:
// they read no character of another script, yet letters or digits, as the Latin reading did.
// With a Latin primary its own reading stands.
bool latin_reads_what_failed(const Region& region, ScriptSet current_scripts, std::u32string_view current_text,
                             std::u32string_view other_text) {
    if (region.current.empty() || (current_scripts & ~LATIN_ONLY) == 0 || current_text.empty()) return false;
    const bool no_other_script = std::none_of(current_text.begin(), current_text.end(), [](char32_t c) {
        const std::optional<Script> script = script_of(c);
        return script && *script != Script::Latin;
    });
    return no_other_script && std::any_of(current_text.begin(), current_text.end(), is_letter_or_digit) &&
           std::any_of(other_text.begin(), other_text.end(), is_letter_or_digit);
}

// The words of a foreign reading of one line over one line: the other's words that hold its
// foreign script or lie over nothing the current line read in its own scripts, with the current
// line's words that no foreign word overlaps, left to right.
std::vector<OcrWord> merged_line_words(const OcrLine& current, const OcrLine& other, ScriptSet current_scripts,
                                       ScriptSet other_scripts) {
    std::vector<OcrWord> words;
    for (const OcrWord& w : other.words) {
        const bool keep = any_foreign(w.text, other_scripts, current_scripts) ||
                          std::none_of(current.words.begin(), current.words.end(), [&](const OcrWord& v) {
                              return any_counts_for(v.text, current_scripts) && words_overlap(w, v);
                          });
        if (keep) words.push_back(w);
    }
    std::vector<OcrWord> kept = ocr_filter_script_conflicts(current.words, current_scripts, words, other_scripts);
    words.insert(words.end(), kept.begin(), kept.end());
    sort_by_x(words);
    return words;
}

// What becomes of one current line.
struct Replacement {
    bool set = false;
    std::vector<OcrWord> words;  // set and empty: the line goes
};

// The current lines with their replacements, each replaced line tagged with the other reading;
// then the other's lines that stand where no current line was, each before the first line that
// starts lower.
std::vector<TaggedLine> merged_lines(const std::vector<TaggedLine>& current, std::vector<Replacement> replacements,
                                     std::vector<OcrLine> added, size_t other_tag) {
    std::vector<TaggedLine> next;
    next.reserve(current.size() + added.size());
    for (size_t i = 0; i < current.size(); ++i) {
        if (!replacements[i].set) {
            next.push_back(current[i]);
        } else if (!replacements[i].words.empty()) {
            TaggedLine line{{std::move(replacements[i].words)}, other_tag};
            sort_by_x(line.line.words);
            next.push_back(std::move(line));
        }
    }
    for (OcrLine& line : added) {
        const float top = box_of(line).top;
        const auto at = std::find_if(next.begin(), next.end(), [&](const TaggedLine& l) { return box_of(l.line).top > top; });
        next.insert(at, TaggedLine{std::move(line), other_tag});
    }
    return next;
}

// One more recogniser's reading (`other`, for the scripts `other_scripts`, language `other_tag`)
// merged into the current lines, region by region.
std::vector<TaggedLine> merge_reading(const std::vector<TaggedLine>& current, const std::vector<OcrLine>& other,
                                      ScriptSet other_scripts, size_t other_tag,
                                      const std::vector<ScriptSet>& languages) {
    std::vector<Replacement> replacements(current.size());
    std::vector<OcrLine> added;
    for (const Region& region : overlapping_regions(current, other)) {
        ScriptSet current_scripts = 0;
        for (size_t i : region.current) current_scripts |= languages[current[i].tag];
        const std::u32string current_text =
            joined_text(region.current, [&](size_t i) -> const OcrLine& { return current[i].line; });
        const std::u32string other_text =
            joined_text(region.other, [&](size_t k) -> const OcrLine& { return other[k]; });
        const bool foreign = reads_foreign_script(other_text, other_scripts, current_scripts);
        if (!foreign && !(other_scripts == LATIN_ONLY &&
                          latin_reads_what_failed(region, current_scripts, current_text, other_text)))
            continue;

        if (region.current.empty()) {
            for (size_t k : region.other) added.push_back(other[k]);
            continue;
        }
        std::vector<OcrWord> words;
        if (foreign && region.current.size() == 1 && region.other.size() == 1) {
            words = merged_line_words(current[region.current[0]].line, other[region.other[0]], current_scripts,
                                      other_scripts);
        } else {
            for (size_t k : region.other) words.insert(words.end(), other[k].words.begin(), other[k].words.end());
        }
        replacements[region.current[0]] = {true, std::move(words)};
        for (size_t k = 1; k < region.current.size(); ++k) replacements[region.current[k]] = {true, {}};
    }
    return merged_lines(current, std::move(replacements), std::move(added), other_tag);
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
        const ScriptSet scripts = script_for_language(result.tag);
        languages.push_back(scripts);
        std::vector<OcrLine> lines;
        for (const OcrLine& line : result.lines)
            if (!line.words.empty()) lines.push_back(line);
        current = merge_reading(current, lines, scripts, languages.size() - 1, languages);
    }
    std::vector<OcrLine> answer;
    answer.reserve(current.size());
    for (TaggedLine& line : current) answer.push_back(std::move(line.line));
    return answer;
}
