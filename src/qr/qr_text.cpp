#include "qr/qr_text.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

#include "util/text.h"

namespace {

// The whole input converted into UTF-8, or none when any of it is invalid in `code`.
std::optional<std::string> convert_to_utf8(const char* code, std::string_view bytes) {
    iconv_t cd = iconv_open("UTF-8", code);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    // Three UTF-8 bytes are the most one byte of a double-byte code page becomes.
    std::string out(bytes.size() * 3 + 4, '\0');
    std::string in(bytes);
    char* in_ptr = in.data();
    size_t in_left = in.size();
    char* out_ptr = out.data();
    size_t out_left = out.size();
    const size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1) || in_left != 0) return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
}

std::string latin1_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::string qr_text_from_bytes(std::string_view bytes) {
    if (is_valid_utf8(bytes)) {
        if (starts_with(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    if (auto text = convert_to_utf8("CP932", bytes)) return *std::move(text);
    return latin1_to_utf8(bytes);
}

std::string join_qr_texts(const std::vector<std::string>& texts) {
    std::string joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i) joined += "\n\n";
        joined += texts[i];
    }
    return joined;
}
