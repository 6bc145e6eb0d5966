#include <array>
#include <string_view>

#include "strings/ui_strings.h"
#include "util/text.h"

namespace {

struct LanguageCode {
    std::string_view code;
    UiLanguage language;
};

constexpr std::array<LanguageCode, UI_LANGUAGE_COUNT> LANGUAGE_CODES = {{
    {"de", UiLanguage::De},
    {"en", UiLanguage::En},
    {"es", UiLanguage::Es},
    {"fr", UiLanguage::Fr},
    {"ja", UiLanguage::Ja},
    {"ko", UiLanguage::Ko},
    {"pt", UiLanguage::Pt},
    {"ru", UiLanguage::Ru},
    {"zh-cn", UiLanguage::ZhCn},
    {"zh-tw", UiLanguage::ZhTw},
}};

UiLanguage language_from_langid(uint16_t langid) {
    switch (langid & 0x3FF) {
        // Singapore writes Simplified like the mainland; Hong Kong and Macao stay Traditional.
        case 0x04: return (langid == 0x0804 || langid == 0x1004) ? UiLanguage::ZhCn : UiLanguage::ZhTw;
        case 0x07: return UiLanguage::De;
        case 0x0A: return UiLanguage::Es;
        case 0x0C: return UiLanguage::Fr;
        case 0x11: return UiLanguage::Ja;
        case 0x12: return UiLanguage::Ko;
        case 0x16: return UiLanguage::Pt;
        case 0x19: return UiLanguage::Ru;
        default: return UiLanguage::En;
    }
}

}  // namespace

UiLanguage choose_language(const std::optional<std::string>& env_value, uint16_t ui_langid) {
    if (env_value) {
        // Exact codes only: a typo falls back to the Windows language rather than guessing.
        for (const LanguageCode& c : LANGUAGE_CODES) {
            if (iequals_ascii(*env_value, c.code)) return c.language;
        }
    }
    return language_from_langid(ui_langid);
}

const UiStrings& ui_table(UiLanguage language) {
    switch (language) {
        case UiLanguage::ZhTw: return UI_STRINGS_ZH_TW;
        case UiLanguage::ZhCn: return UI_STRINGS_ZH_CN;
        case UiLanguage::En: return UI_STRINGS_EN;
        case UiLanguage::Ja: return UI_STRINGS_JA;
        case UiLanguage::Ko: return UI_STRINGS_KO;
        case UiLanguage::De: return UI_STRINGS_DE;
        case UiLanguage::Fr: return UI_STRINGS_FR;
        case UiLanguage::Es: return UI_STRINGS_ES;
        case UiLanguage::Ru: return UI_STRINGS_RU;
        case UiLanguage::Pt: return UI_STRINGS_PT;
    }
    return UI_STRINGS_EN;
}
