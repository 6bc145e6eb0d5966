#include "util/unicode.h"

#include <algorithm>

#include "util/unicode_tables.h"

namespace {

using unicode_tables::CodeRange;

bool in_ranges(std::span<const CodeRange> ranges, char32_t c) {
    const auto it = std::upper_bound(ranges.begin(), ranges.end(), c,
                                     [](char32_t v, const CodeRange& r) { return v < r.first; });
    return it != ranges.begin() && c <= std::prev(it)->last;
}

}  // namespace

bool unicode_is_alphabetic(char32_t c) { return in_ranges(unicode_tables::ALPHABETIC_RANGES, c); }
bool unicode_is_numeric(char32_t c) { return in_ranges(unicode_tables::NUMERIC_RANGES, c); }
bool unicode_is_white_space(char32_t c) { return in_ranges(unicode_tables::WHITE_SPACE_RANGES, c); }

char32_t unicode_simple_lower(char32_t c) {
    const auto& map = unicode_tables::LOWER_MAPPINGS;
    const auto it = std::lower_bound(map.begin(), map.end(), c,
                                     [](const unicode_tables::CaseMapping& m, char32_t v) { return m.from < v; });
    return it != map.end() && it->from == c ? it->to : c;
}
