#pragma once
// The personal-data rules over one line's scan text (redact_line.h). Each appends the ranges
// it finds; the ranges may overlap. Platform-free.
#include <string_view>
#include <vector>

#include "redact/redact_types.h"

// E-mail addresses, one space allowed on either side of the '@'.
void find_emails(std::u32string_view text, std::vector<TextRange>& out);
// Access tokens and keys: runs of 20 or more letters, digits, '_' and '-' with a known prefix
// or a mix of cases and digits, grown over pieces split off by spaces or '|'.
void find_tokens(std::u32string_view text, std::vector<TextRange>& out);
// A letter and nine digits, the first digit 1, 2, 8 or 9 (national identity numbers).
void find_identity_numbers(std::u32string_view text, std::vector<TextRange>& out);
// Four dot-joined numbers of at most 255.
void find_ipv4(std::u32string_view text, std::vector<TextRange>& out);
// Phone, account, card and ID numbers: 8 to 19 digits in at most 6 groups, not a price, a
// date, a time of day or part of a longer number.
void find_digit_runs(std::u32string_view text, std::vector<TextRange>& out);

// Every rule, labels included, in no particular order.
std::vector<TextRange> find_personal_data(std::u32string_view text);
