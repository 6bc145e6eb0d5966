#pragma once
// Unicode character properties (tables generated from the Unicode Character Database by
// scripts/unicode_tables.py at build time). Platform-free.

// Alphabetic (DerivedCoreProperties).
bool unicode_is_alphabetic(char32_t c);
// General category Nd, Nl or No.
bool unicode_is_numeric(char32_t c);
// White_Space (PropList).
bool unicode_is_white_space(char32_t c);
// The simple one-to-one lower-case mapping; the character itself when it has none.
char32_t unicode_simple_lower(char32_t c);
