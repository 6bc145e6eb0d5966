// QR data bytes to text: always valid UTF-8; valid UTF-8 comes back as it was (less a leading
// byte-order mark); what is neither UTF-8 nor CP932 is read as Latin-1, one character a byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "qr/qr_text.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = qr_text_from_bytes(bytes);
    FUZZ_CHECK(is_valid_utf8(text));
    if (is_valid_utf8(bytes)) {
        const std::string_view expected = starts_with(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
        FUZZ_CHECK(text == expected);
    } else {
        // CP932 or Latin-1: every byte gives at most one character of at most three bytes.
        FUZZ_CHECK(utf8_to_utf32(text).size() <= bytes.size());
        FUZZ_CHECK(text.size() <= 3 * bytes.size());
    }
    return 0;
}
