#include "ocr/ocr_chars.h"

#include <string>

#include "util/text.h"
#include "util/unicode.h"

namespace {

struct Span {
    char32_t first, last;
};

template <size_t N>
bool in(const Span (&spans)[N], char32_t c) {
    for (const Span& s : spans)
        if (c >= s.first && c <= s.last) return true;
    return false;
}

constexpr Span HAN[] = {{0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0x20000, 0x2FFFF}};
constexpr Span WIDE[] = {{0x2E80, 0x9FFF}, {0xAC00, 0xD7AF}, {0xF900, 0xFAFF}, {0xFF00, 0xFFEF}, {0x20000, 0x2FFFF}};
constexpr Span CJK_PUNCT[] = {{0x3000, 0x303F}, {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20}, {0xFF3B, 0xFF40}, {0xFF5B, 0xFF65}};

struct ScriptSpan {
    char32_t first, last;
    Script script;
};

constexpr ScriptSpan SCRIPTS[] = {
    {U'A', U'Z', Script::Latin},       {U'a', U'z', Script::Latin},         {0x00C0, 0x00D6, Script::Latin},
    {0x00D8, 0x00F6, Script::Latin},   {0x00F8, 0x024F, Script::Latin},     {0x1E00, 0x1EFF, Script::Latin},
    {0x3400, 0x4DBF, Script::Han},     {0x4E00, 0x9FFF, Script::Han},       {0xF900, 0xFAFF, Script::Han},
    {0x20000, 0x2FFFF, Script::Han},   {0x3040, 0x30FF, Script::Kana},      {0x31F0, 0x31FF, Script::Kana},
    {0xFF66, 0xFF9F, Script::Kana},    {0x1100, 0x11FF, Script::Hangul},    {0x3130, 0x318F, Script::Hangul},
    {0xAC00, 0xD7AF, Script::Hangul},  {0x0400, 0x052F, Script::Cyrillic},  {0x0370, 0x03FF, Script::Greek},
    {0x1F00, 0x1FFF, Script::Greek},   {0x0600, 0x06FF, Script::Arabic},    {0x0750, 0x077F, Script::Arabic},
    {0xFB50, 0xFDFF, Script::Arabic},  {0xFE70, 0xFEFF, Script::Arabic},    {0x0590, 0x05FF, Script::Hebrew},
    {0x0E00, 0x0E7F, Script::Thai},    {0x0900, 0x097F, Script::Devanagari},
};

}  // namespace

bool is_han(char32_t c) { return in(HAN, c); }
bool is_wide(char32_t c) { return in(WIDE, c); }
bool is_cjk_punct(char32_t c) { return in(CJK_PUNCT, c); }

bool is_letter_or_digit(char32_t c) { return is_ascii_alnum(c) || unicode_is_alphabetic(c) || unicode_is_numeric(c); }

std::optional<Script> script_of(char32_t c) {
    for (const ScriptSpan& s : SCRIPTS)
        if (c >= s.first && c <= s.last) return s.script;
    return std::nullopt;
}

bool counts_for(char32_t c, ScriptSet set) {
    const std::optional<Script> s = script_of(c);
    return s && *s != Script::Latin && (set & script_bit(*s)) != 0;
}

ScriptSet script_for_language(std::string_view tag) {
    const std::string lower = ascii_lower(tag);
    const std::string_view first = std::string_view(lower).substr(0, lower.find('-'));
    const auto letter = [](char c) { return c >= 'a' && c <= 'z'; };
    if (first.size() != 2 || !letter(first[0]) || !letter(first[1])) return LATIN_ONLY;
    const auto one_of = [&](std::initializer_list<std::string_view> codes) {
        for (std::string_view code : codes)
            if (first == code) return true;
        return false;
    };
    if (first == "zh") return script_bit(Script::Han);
    if (first == "ja") return script_bit(Script::Han) | script_bit(Script::Kana);
    if (first == "ko") return script_bit(Script::Hangul);
    if (first == "sr") return lower.find("latn") != std::string::npos ? LATIN_ONLY : script_bit(Script::Cyrillic);
    if (one_of({"ru", "uk", "bg", "be", "mk", "kk"})) return script_bit(Script::Cyrillic);
    if (first == "el") return script_bit(Script::Greek);
    if (one_of({"ar", "fa", "ur"})) return script_bit(Script::Arabic);
    if (first == "he") return script_bit(Script::Hebrew);
    if (first == "th") return script_bit(Script::Thai);
    if (one_of({"hi", "mr", "ne"})) return script_bit(Script::Devanagari);
    return LATIN_ONLY;
}
