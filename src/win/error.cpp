#include "win/error.h"

#include <cstdio>

#include "util/text.h"

std::string system_message(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n && buffer) text = from_wide(std::wstring_view(buffer, n));
    if (buffer) LocalFree(buffer);
    return std::string(trim(text));
}

namespace {
Error make_coded(int64_t code, std::string text, std::string_view what) {
    std::string message;
    if (!what.empty()) {
        message.append(what);
        message.append(": ");
    }
    message.append(text);
    return make_error(std::move(message), code);
}
}  // namespace

Error error_from_hresult(HRESULT hr, std::string_view what) {
    std::string text = system_message(static_cast<DWORD>(hr));
    if (text.empty()) {
        char hex[32];
        std::snprintf(hex, sizeof hex, "HRESULT 0x%08lX", static_cast<unsigned long>(hr));
        text = hex;
    }
    return make_coded(static_cast<int64_t>(hr), std::move(text), what);
}

Error error_naming_hresult(HRESULT hr, std::string_view call) {
    char hex[32];
    const std::string text = system_message(static_cast<DWORD>(hr));
    if (text.empty()) {
        std::snprintf(hex, sizeof hex, "HRESULT 0x%08lX", static_cast<unsigned long>(hr));
        return make_coded(static_cast<int64_t>(hr), hex, call);
    }
    std::snprintf(hex, sizeof hex, " (0x%08lX)", static_cast<unsigned long>(hr));
    return make_coded(static_cast<int64_t>(hr), text + hex, call);
}

Error error_from_win32(DWORD code, std::string_view what) {
    std::string text = system_message(code);
    if (text.empty()) text = "error " + std::to_string(code);
    return make_coded(static_cast<int64_t>(code), std::move(text), what);
}

Error last_error(std::string_view what) { return error_from_win32(GetLastError(), what); }
