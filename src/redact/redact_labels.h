#pragma once
// Values written after a label: secrets ("password: ..."), personal data ("address: ...") and
// secret keys of a URL query ("?token=..."). Platform-free.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "redact/redact_types.h"

struct LabelTable {
    std::span<const std::u32string_view> labels;  // lower case
    std::u32string_view separators;               // one of them must follow the label
    bool value_to_line_end = false;               // else the value stops at a space or '&'
    bool after_query_mark = false;                // tried only after '?', '&' or '#'
};

extern const LabelTable SECRET_LABELS;    // 48
extern const LabelTable PERSONAL_LABELS;  // 83
extern const LabelTable URL_KEYS;         // 19

// The value (not the label) of the first label of the table found at p, if any. `lower` is
// `text` lower-cased character for character.
std::optional<TextRange> redact_match_label(std::u32string_view text, std::u32string_view lower, size_t p,
                                            const LabelTable& table);

// Every label's value in the line, from the three tables.
void find_label_values(std::u32string_view text, std::vector<TextRange>& out);
