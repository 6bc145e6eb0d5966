#include "gdip/text_runs.h"

#include <array>
#include <optional>

#include "util/text.h"

namespace {

struct Span {
    char32_t first, last;
};

bool in(char32_t c, std::initializer_list<Span> spans) {
    for (const Span& s : spans)
        if (c >= s.first && c <= s.last) return true;
    return false;
}

bool is_kana(char32_t c) { return in(c, {{0x3040, 0x30FF}, {0x31F0, 0x31FF}, {0xFF66, 0xFF9F}, {0x1B000, 0x1B16F}}); }
bool is_hangul(char32_t c) {
    return in(c, {{0x1100, 0x11FF}, {0x3130, 0x318F}, {0xA960, 0xA97F}, {0xAC00, 0xD7FF}, {0xFFA0, 0xFFDC}});
}
bool is_han(char32_t c) {
    return in(c, {{0x2E80, 0x2FDF}, {0x3100, 0x312F}, {0x31A0, 0x31BF}, {0x31C0, 0x31EF}, {0x3400, 0x4DBF},
                  {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0x20000, 0x3FFFF}});
}
// Punctuation and forms that belong with CJK text: ideographic space and punctuation, enclosed
// and compatibility signs, vertical and small forms, full-width letters and signs.
bool is_cjk_sign(char32_t c) {
    return in(c, {{0x3000, 0x303F}, {0x3200, 0x33FF}, {0xFE10, 0xFE1F}, {0xFE30, 0xFE4F}, {0xFF00, 0xFF65},
                  {0xFFE0, 0xFFEE}});
}
// Follows whatever it stands beside: ASCII spaces, digits and signs, general punctuation,
// combining marks, joiners and variation selectors.
bool is_neutral(char32_t c) {
    if (c < 0x80) return !((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'));
    return in(c, {{0x00A0, 0x00BF}, {0x00D7, 0x00D7}, {0x00F7, 0x00F7}, {0x0300, 0x036F}, {0x2000, 0x206F},
                  {0x20D0, 0x20FF}, {0xFE00, 0xFE0F}, {0xE0100, 0xE01EF}});
}

// None for neutral characters and CJK signs, which the caller places.
std::optional<FontSlot> own_slot(char32_t c, FontSlot han) {
    if (is_kana(c)) return FontSlot::Japanese;
    if (is_hangul(c)) return FontSlot::Korean;
    if (is_han(c)) return han;
    if (in(c, {{0x0E00, 0x0E7F}})) return FontSlot::Thai;
    if (in(c, {{0x0900, 0x0DFF}})) return FontSlot::Indic;
    if (in(c, {{0x1F000, 0x1FAFF}, {0x2600, 0x27BF}, {0x2B50, 0x2B55}})) return FontSlot::Emoji;
    if (is_neutral(c) || is_cjk_sign(c)) return std::nullopt;
    return FontSlot::Base;
}

bool is_cjk_slot(FontSlot s) {
    return s == FontSlot::SimplifiedChinese || s == FontSlot::TraditionalChinese || s == FontSlot::Japanese ||
           s == FontSlot::Korean;
}

// One code point from the front of `text`: its value and length; an invalid byte is U+FFFD of length 1.
std::pair<char32_t, size_t> next_code_point(std::string_view text) {
    const auto b = static_cast<unsigned char>(text[0]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || n > text.size() || !is_valid_utf8(text.substr(0, n))) return {0xFFFD, 1};
    const std::u32string one = utf8_to_utf32(text.substr(0, n));
    return {one.empty() ? char32_t{0xFFFD} : one[0], n};
}

}  // namespace

FontSlot han_slot(std::string_view text, std::string_view ui_lang) {
    bool hangul = false;
    for (size_t i = 0; i < text.size();) {
        const auto [c, n] = next_code_point(text.substr(i));
        if (is_kana(c)) return FontSlot::Japanese;
        hangul = hangul || is_hangul(c);
        i += n;
    }
    if (hangul) return FontSlot::Korean;
    const std::string lang = ascii_lower(ui_lang);
    if (lang == "zh-tw" || lang == "zh-hk" || lang == "zh-mo" || lang == "zh-hant") return FontSlot::TraditionalChinese;
    if (starts_with(lang, "ja")) return FontSlot::Japanese;
    if (starts_with(lang, "ko")) return FontSlot::Korean;
    return FontSlot::SimplifiedChinese;
}

std::vector<TextRun> split_text_runs(std::string_view line, FontSlot han) {
    std::vector<TextRun> runs;
    std::optional<FontSlot> current;  // of the last run; none while only neutral text came
    for (size_t i = 0; i < line.size();) {
        const auto [c, n] = next_code_point(line.substr(i));
        std::optional<FontSlot> slot = own_slot(c, han);
        if (!slot && is_cjk_sign(c)) slot = current && is_cjk_slot(*current) ? *current : han;
        if (runs.empty()) {
            runs.push_back({i, i + n, slot.value_or(FontSlot::Base)});
        } else if (!slot || slot == runs.back().slot) {
            runs.back().end = i + n;
        } else if (!current) {
            // Only neutral text so far: it takes the slot of what follows it.
            runs.back().slot = *slot;
            runs.back().end = i + n;
        } else {
            runs.push_back({i, i + n, *slot});
        }
        if (slot) current = slot;
        i += n;
    }
    return runs;
}

std::span<const std::string_view> slot_faces(FontSlot slot) {
    using namespace std::string_view_literals;
    static constexpr std::array SIMPLIFIED{"Microsoft YaHei UI"sv, "Microsoft YaHei"sv, "SimSun"sv};
    static constexpr std::array TRADITIONAL{"Microsoft JhengHei UI"sv, "Microsoft JhengHei"sv, "PMingLiU"sv};
    static constexpr std::array JAPANESE{"Yu Gothic UI"sv, "Meiryo UI"sv, "MS UI Gothic"sv};
    static constexpr std::array KOREAN{"Malgun Gothic"sv, "Gulim"sv};
    static constexpr std::array THAI{"Leelawadee UI"sv, "Tahoma"sv};
    static constexpr std::array INDIC{"Nirmala UI"sv, "Mangal"sv};
    static constexpr std::array EMOJI{"Segoe UI Emoji"sv, "Segoe UI Symbol"sv};
    switch (slot) {
    case FontSlot::Base: return {};
    case FontSlot::SimplifiedChinese: return SIMPLIFIED;
    case FontSlot::TraditionalChinese: return TRADITIONAL;
    case FontSlot::Japanese: return JAPANESE;
    case FontSlot::Korean: return KOREAN;
    case FontSlot::Thai: return THAI;
    case FontSlot::Indic: return INDIC;
    case FontSlot::Emoji: return EMOJI;
    }
    return {};
}
