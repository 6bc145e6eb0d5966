#pragma once
// An owned Windows Runtime string (HSTRING), and reading one into UTF-8.
#include <windows.h>
#include <winstring.h>

#include <string>
#include <string_view>
#include <utility>

#include "util/text.h"

class HString {
public:
    HString() = default;
    HString(const HString&) = delete;
    HString& operator=(const HString&) = delete;
    HString(HString&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    HString& operator=(HString&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~HString() { reset(); }

    // A copy of the text; the HRESULT of WindowsCreateString.
    HRESULT assign(std::wstring_view text) {
        HSTRING made = nullptr;
        const HRESULT hr = WindowsCreateString(text.data(), static_cast<UINT32>(text.size()), &made);
        if (SUCCEEDED(hr)) reset(made);
        return hr;
    }

    HSTRING get() const { return h_; }
    // For out parameters: the old string is released first.
    HSTRING* put() {
        reset();
        return &h_;
    }
    void reset(HSTRING h = nullptr) {
        if (h_) WindowsDeleteString(h_);
        h_ = h;
    }

    std::u16string utf16() const {
        UINT32 length = 0;
        const wchar_t* raw = WindowsGetStringRawBuffer(h_, &length);
        if (!raw) return {};
        return std::u16string(reinterpret_cast<const char16_t*>(raw), length);
    }
    // UTF-8; an unpaired surrogate becomes U+FFFD.
    std::string utf8() const { return utf16_to_utf8(utf16()); }

private:
    HSTRING h_ = nullptr;
};
