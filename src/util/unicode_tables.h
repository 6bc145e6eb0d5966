#pragma once
// The generated tables behind util/unicode.h; only unicode.cpp reads them.
#include <span>

namespace unicode_tables {

struct CodeRange {
    char32_t first, last;  // both inclusive
};
struct CaseMapping {
    char32_t from, to;
};

// Sorted and disjoint.
extern const std::span<const CodeRange> ALPHABETIC_RANGES;
extern const std::span<const CodeRange> NUMERIC_RANGES;
extern const std::span<const CodeRange> WHITE_SPACE_RANGES;
// Sorted by `from`.
extern const std::span<const CaseMapping> LOWER_MAPPINGS;

}  // namespace unicode_tables
