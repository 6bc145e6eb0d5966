// The iconv of iconv/iconv.h over the system's code pages. A converter is only its code page
// (no state to keep), so the handle is the number itself and closing it frees nothing.
#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "qr/iconv/iconv.h"

namespace {

const iconv_t INVALID = reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1));

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

bool is_utf8_name(std::string_view name) { return same_name(name, "UTF-8") || same_name(name, "UTF8"); }

// "ISO8859-N" or "ISO-8859-N" with N from 1 to 16: code page 28590 + N (the system has
// only some of them).
UINT iso8859_code_page(std::string_view name) {
    for (std::string_view prefix : {std::string_view("ISO8859-"), std::string_view("ISO-8859-")}) {
        if (name.size() <= prefix.size() || !same_name(name.substr(0, prefix.size()), prefix)) continue;
        unsigned n = 0;
        for (char c : name.substr(prefix.size())) {
            if (c < '0' || c > '9' || n > 16) return 0;
            n = n * 10 + static_cast<unsigned>(c - '0');
        }
        return n >= 1 && n <= 16 ? 28590 + n : 0;
    }
    return 0;
}

UINT code_page_of(std::string_view name) {
    if (is_utf8_name(name)) return CP_UTF8;
    if (UINT cp = iso8859_code_page(name)) return cp;
    if (same_name(name, "CP437")) return 437;
    if (same_name(name, "SJIS") || same_name(name, "SHIFT_JIS") || same_name(name, "CP932")) return 932;
    if (same_name(name, "BIG-5") || same_name(name, "BIG5") || same_name(name, "CP950")) return 950;
    return 0;
}

size_t fail(int error) {
    errno = error;
    return static_cast<size_t>(-1);
}

}  // namespace

extern "C" iconv_t iconv_open(const char* tocode, const char* fromcode) {
    if (!tocode || !fromcode || !is_utf8_name(tocode)) {
        errno = EINVAL;
        return INVALID;
    }
    const UINT cp = code_page_of(fromcode);
    if (cp == 0 || !IsValidCodePage(cp)) {
        errno = EINVAL;
        return INVALID;
    }
    return reinterpret_cast<iconv_t>(static_cast<uintptr_t>(cp));
}

extern "C" size_t iconv(iconv_t cd, char** inbuf, size_t* inbytesleft, char** outbuf, size_t* outbytesleft) {
    if (cd == INVALID || cd == nullptr) return fail(EBADF);
    if (!inbuf || !*inbuf || !inbytesleft || *inbytesleft == 0) return 0;
    if (!outbuf || !*outbuf || !outbytesleft) return fail(E2BIG);
    if (*inbytesleft > INT_MAX) return fail(E2BIG);
    const UINT cp = static_cast<UINT>(reinterpret_cast<uintptr_t>(cd));
    const int in_len = static_cast<int>(*inbytesleft);

    // MB_ERR_INVALID_CHARS: a byte sequence the code page does not define fails instead of
    // becoming a default character.
    const int wide_len = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, *inbuf, in_len, nullptr, 0);
    if (wide_len <= 0) return fail(EILSEQ);
    std::wstring wide(static_cast<size_t>(wide_len), L'\0');
    if (MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, *inbuf, in_len, wide.data(), wide_len) != wide_len)
        return fail(EILSEQ);
    const int out_len = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), wide_len, nullptr, 0,
                                            nullptr, nullptr);
    if (out_len <= 0) return fail(EILSEQ);
    if (static_cast<size_t>(out_len) > *outbytesleft) return fail(E2BIG);
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), wide_len, *outbuf, out_len, nullptr,
                            nullptr) != out_len)
        return fail(EILSEQ);
    *inbuf += *inbytesleft;
    *inbytesleft = 0;
    *outbuf += out_len;
    *outbytesleft -= static_cast<size_t>(out_len);
    return 0;
}

extern "C" int iconv_close(iconv_t cd) {
    if (cd == INVALID || cd == nullptr) {
        errno = EBADF;
        return -1;
    }
    return 0;
}
