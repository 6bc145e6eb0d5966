// UTF-8 and UTF-16: conversions give valid text and round-trip what was valid; cutting never
// splits a pair; trimming gives a part of the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::u16string units = utf8_to_utf16(bytes);
    FUZZ_CHECK(units.size() <= bytes.size());
    const std::string back = utf16_to_utf8(units);
    FUZZ_CHECK(is_valid_utf8(back));
    if (is_valid_utf8(bytes)) FUZZ_CHECK(back == bytes);

    // The same bytes read as UTF-16 units, unpaired surrogates and all.
    std::u16string raw(size / 2, u'\0');
    for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const std::string raw_utf8 = utf16_to_utf8(raw);
    FUZZ_CHECK(is_valid_utf8(raw_utf8));
    FUZZ_CHECK(utf8_to_utf16(raw_utf8).size() == raw.size());

    const size_t max = size ? data[0] : 0;
    const std::u16string cut = truncate_utf16(raw, max);
    FUZZ_CHECK(cut.size() <= max || cut.size() == raw.size());
    FUZZ_CHECK(raw.compare(0, cut.size(), cut) == 0);
    // A pair is never split: a cut ending on a high surrogate is not followed by its low one.
    if (cut.size() < raw.size() && !cut.empty() && cut.back() >= 0xD800 && cut.back() <= 0xDBFF)
        FUZZ_CHECK(!(raw[cut.size()] >= 0xDC00 && raw[cut.size()] <= 0xDFFF));

    for (const std::string_view t : {trim(bytes), trim_start(bytes), trim_end(bytes)}) {
        FUZZ_CHECK(t.size() <= bytes.size());
        FUZZ_CHECK(bytes.find(t) != std::string_view::npos);
    }
    FUZZ_CHECK(from_wide(to_wide(bytes)) == back);
    FUZZ_CHECK(ascii_lower(bytes).size() == bytes.size());
    return 0;
}
