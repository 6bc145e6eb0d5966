#include "ocr/translate.h"

#include "util/text.h"
#include "util/unicode.h"

namespace {

bool is_ideograph(char32_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x2FFFF);
}

bool is_letter_or_digit(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return is_ideograph(c) || unicode_is_alphabetic(c) || unicode_is_numeric(c);
}

}  // namespace

std::string translate_target(std::string_view text, std::string_view translate_to, std::string_view lang_code) {
    std::string target(translate_to.empty() ? lang_code : translate_to);
    const std::string lower = ascii_lower(target);
    if (lower.size() >= 2 && starts_with(lower, "zh")) {
        uint64_t ideographs = 0, letters = 0;
        for (char32_t c : utf8_to_utf32(text)) {
            if (is_ideograph(c)) ++ideographs;
            if (is_letter_or_digit(c)) ++letters;
        }
        if (2 * ideographs > letters) return "en";  // Chinese text is not translated into Chinese
    }
    return target;
}

std::string percent_encode(std::string_view text) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
            c == '.' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += HEX[c >> 4];
            out += HEX[c & 0xF];
        }
    }
    return out;
}

std::string build_translate_url(std::string_view text, std::string_view translate_to, std::string_view translate_url,
                                std::string_view lang_code) {
    const std::string with_target = replace_all(translate_url, "{to}", translate_target(text, translate_to, lang_code));
    return replace_all(with_target, "{text}", percent_encode(text));
}

std::optional<std::string> text_as_url(std::string_view text) {
    const std::string_view trimmed = trim(text);
    if (trimmed.empty()) return std::nullopt;
    const std::string lower = ascii_lower(trimmed.substr(0, 8));
    if (!starts_with(lower, "http://") && !starts_with(lower, "https://")) return std::nullopt;
    for (char32_t c : utf8_to_utf32(trimmed))
        if (unicode_is_white_space(c)) return std::nullopt;
    return std::string(trimmed);
}
