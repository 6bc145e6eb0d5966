// Colour codes: a colour comes only from "#" and hex digits of length 4, 7 or 9, or from
// pieces of plain decimal digits (the fourth of a wrapped form aside); its two lines read back
// as the same colour.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "pin/color_code.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<Rgb> color = parse_color_code(text);
    if (!color) return 0;
    const std::string t(trim(text));
    if (t[0] == '#') {
        FUZZ_CHECK(t.size() == 4 || t.size() == 7 || t.size() == 9);
        for (size_t i = 1; i < t.size(); ++i) FUZZ_CHECK(std::isxdigit(static_cast<unsigned char>(t[i])));
    } else {
        const std::string lower = ascii_lower(t);
        const bool wrapped = (starts_with(lower, "rgb(") || starts_with(lower, "rgba(")) && lower.back() == ')';
        if (!wrapped)
            for (char c : t) FUZZ_CHECK((c >= '0' && c <= '9') || c == ',' || c == ' ');
    }
    FUZZ_CHECK(parse_color_code(hex_line(*color)) == color);
    FUZZ_CHECK(parse_color_code(rgb_line(*color)) == color);
    const uint32_t ref = to_colorref(*color);
    FUZZ_CHECK((ref & 0xFF) == color->r && ((ref >> 8) & 0xFF) == color->g && (ref >> 16) == color->b);
    return 0;
}
