// The translation page address and the link test: the encoded text decodes back to the text
// and holds only unreserved characters and escapes; the target is the chosen one or "en"; a
// link is a trimmed part of the text with its scheme and no white space.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ocr/translate.h"
#include "support/fuzz_input.h"
#include "util/text.h"
#include "util/unicode.h"

namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const std::string to = in.text(8), lang = in.text(8), url = in.text(40), text = in.rest();

    const std::string encoded = percent_encode(text);
    std::string decoded;
    for (size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            FUZZ_CHECK(i + 2 < encoded.size());
            const int hi = hex_value(encoded[i + 1]), lo = hex_value(encoded[i + 2]);
            FUZZ_CHECK(hi >= 0 && lo >= 0);
            decoded += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            FUZZ_CHECK((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '_' || c == '.' || c == '~');
            decoded += c;
        }
    }
    FUZZ_CHECK(decoded == text);

    const std::string target = translate_target(text, to, lang);
    FUZZ_CHECK(target == "en" || target == (to.empty() ? lang : to));
    FUZZ_CHECK(build_translate_url(text, to, "{text}", lang) == encoded);
    const std::string page = build_translate_url(text, to, url, lang);
    if (url.find('{') == std::string::npos) FUZZ_CHECK(page == url);

    if (const std::optional<std::string> link = text_as_url(text)) {
        FUZZ_CHECK(text.find(*link) != std::string::npos);
        const std::string lower = ascii_lower(link->substr(0, 8));
        FUZZ_CHECK(starts_with(lower, "http://") || starts_with(lower, "https://"));
        for (char32_t c : utf8_to_utf32(*link)) FUZZ_CHECK(!unicode_is_white_space(c));
    }
    return 0;
}
