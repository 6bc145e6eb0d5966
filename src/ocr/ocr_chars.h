#pragma once
// Character classes of recognised text: the CJK ranges the assembly works with and the ten
// script classes the choice among recognisers works with. Platform-free.
#include <cstdint>
#include <optional>
#include <string_view>

// U+3400–U+4DBF, U+4E00–U+9FFF, U+F900–U+FAFF, U+20000–U+2FFFF.
bool is_han(char32_t c);
// Characters that take a full cell: CJK, Hangul syllables, full-width forms.
bool is_wide(char32_t c);
// CJK symbols and punctuation and the full-width punctuation forms.
bool is_cjk_punct(char32_t c);
inline bool is_ascii_digit(char32_t c) { return c >= U'0' && c <= U'9'; }
inline bool is_ascii_alnum(char32_t c) {
    return is_ascii_digit(c) || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}
// An ASCII letter or digit, or a character Unicode calls alphabetic or numeric.
bool is_letter_or_digit(char32_t c);

enum class Script : uint8_t { Latin, Han, Kana, Hangul, Cyrillic, Greek, Arabic, Hebrew, Thai, Devanagari };
inline constexpr int SCRIPT_COUNT = 10;

// A set of script classes, one bit per class.
using ScriptSet = uint16_t;
inline constexpr ScriptSet script_bit(Script s) { return static_cast<ScriptSet>(1u << static_cast<unsigned>(s)); }
inline constexpr ScriptSet LATIN_ONLY = script_bit(Script::Latin);

std::optional<Script> script_of(char32_t c);
// The scripts a recogniser of this BCP-47 tag reads.
ScriptSet script_for_language(std::string_view tag);
// The character's class is in the set and is not Latin.
bool counts_for(char32_t c, ScriptSet set);
