#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "strings/ui_strings.h"
#include "util/text.h"

namespace {

const UiStrings* CHOSEN_TABLE = nullptr;
std::once_flag CHOSEN_ONCE;

bool is_valid_utf16(std::wstring_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned u = static_cast<unsigned>(text[i]);
        if (u >= 0xDC00 && u <= 0xDFFF) return false;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= text.size()) return false;
            const unsigned next = static_cast<unsigned>(text[i + 1]);
            if (next < 0xDC00 || next > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

// The variable's value; none when unset or when it holds an unpaired surrogate, since
// such a value cannot name any language.
std::optional<std::string> read_lang_variable() {
    const wchar_t* name = L"ORMICK_OXEL_LANG";
    std::vector<wchar_t> buf(64);
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD n = GetEnvironmentVariableW(name, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();  // set but empty
        }
        if (n < buf.size()) {
            const std::wstring_view value(buf.data(), n);
            if (!is_valid_utf16(value)) return std::nullopt;
            return from_wide(value);
        }
        buf.resize(n);  // n includes the terminator; the value may grow again meanwhile
    }
}

void select_ui_language() {
    const UiLanguage language = choose_language(read_lang_variable(), GetUserDefaultUILanguage());
    CHOSEN_TABLE = &ui_table(language);
}

}  // namespace

const UiStrings& ui_strings() {
    std::call_once(CHOSEN_ONCE, select_ui_language);
    return *CHOSEN_TABLE;
}
