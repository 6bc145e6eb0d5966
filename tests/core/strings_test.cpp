#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "strings/ui_strings.h"
#include "util/text.h"

// Failures name the language by its code.
void PrintTo(UiLanguage language, std::ostream* os) { *os << ui_table(language)[LANG_CODE]; }

namespace {

using L = UiLanguage;

struct ChoiceCase {
    std::optional<std::string> env;
    uint16_t langid;
    UiLanguage expected;
};

TEST(ChooseLanguage, VariableMatchesCodesIgnoringAsciiCaseOnly) {
    const ChoiceCase cases[] = {
        {"ZH-TW", 0x0409, L::ZhTw}, {"zh-CN", 0x0409, L::ZhCn}, {"DE", 0x0409, L::De},
        {"En", 0x0411, L::En},      {"es", 0x0409, L::Es},      {"fR", 0x0409, L::Fr},
        {"JA", 0x0409, L::Ja},      {"ko", 0x0409, L::Ko},      {"PT", 0x0409, L::Pt},
        {"ru", 0x0409, L::Ru},
        // Anything else falls back to the Windows UI language.
        {"zh_tw", 0x0407, L::De}, {"deu", 0x0411, L::Ja}, {" de", 0x0409, L::En},
        {"de ", 0x0412, L::Ko},   {"", 0x0419, L::Ru},    {std::nullopt, 0x0416, L::Pt},
        {"\xE2\x84\xAAo", 0x0409, L::En},  // KELVIN SIGN + o: not an ASCII "ko"
        {"zh", 0x0804, L::ZhCn},
    };
    for (const ChoiceCase& c : cases)
        EXPECT_EQ(choose_language(c.env, c.langid), c.expected) << c.env.value_or("<unset>");
}

TEST(ChooseLanguage, WindowsLanguageUsesThePrimaryId) {
    const std::pair<uint16_t, UiLanguage> cases[] = {
        {0x0404, L::ZhTw}, {0x0C04, L::ZhTw}, {0x1404, L::ZhTw}, {0x7C04, L::ZhTw},
        {0x0804, L::ZhCn}, {0x1004, L::ZhCn}, {0x0407, L::De},   {0x0C07, L::De},
        {0xFC07, L::De},   {0x040A, L::Es},   {0x080A, L::Es},   {0x040C, L::Fr},
        {0x0C0C, L::Fr},   {0x0411, L::Ja},   {0x0412, L::Ko},   {0x0416, L::Pt},
        {0x0816, L::Pt},   {0x0419, L::Ru},   {0x0410, L::En},   {0x0409, L::En},
        {0x0000, L::En},   {0x0104, L::En},   {0x0211, L::En},  // bits 8-9 belong to the primary id
    };
    for (const auto& [langid, expected] : cases)
        EXPECT_EQ(choose_language(std::nullopt, langid), expected) << std::hex << langid;
}

struct TableInfo {
    UiLanguage language;
    const char* code;
    const char* font;
};

constexpr TableInfo TABLES[] = {
    {L::ZhTw, "zh-TW", "Microsoft JhengHei UI"}, {L::ZhCn, "zh-CN", "Microsoft YaHei UI"},
    {L::En, "en", "Segoe UI"},   {L::Ja, "ja", "Yu Gothic UI"}, {L::Ko, "ko", "Malgun Gothic"},
    {L::De, "de", "Segoe UI"},   {L::Fr, "fr", "Segoe UI"},     {L::Es, "es", "Segoe UI"},
    {L::Ru, "ru", "Segoe UI"},   {L::Pt, "pt", "Segoe UI"},
};

std::vector<std::string> placeholders(std::string_view text) {
    std::vector<std::string> found;
    for (size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        const size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        found.emplace_back(text.substr(open, close - open + 1));
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The longest text a caller substitutes.
std::string filled(std::string_view text) {
    const std::string hotkey = "Ctrl+Alt+Shift+Win+PrintScreen";
    std::string s = replace_all(text, "{keys}", hotkey + ", " + hotkey + ", " + hotkey);
    for (const char* p : {"{cap}", "{pin}", "{name}", "{other}"}) s = replace_all(s, p, hotkey);
    return s;
}

// Shown as a tray balloon's title, which holds at most 63 UTF-16 units; every other text must
// fit a balloon's 255.
bool is_balloon_title(UiText id) {
    constexpr UiText TITLES[] = {BALLOON_RUNNING_TITLE, BALLOON_HOTKEY_IN_USE_TITLE, OCR_FAILED,  RECORD_FAILED,
                                 RECORD_SAVED,          SAVED,                       SAVE_FAILED, SCROLL_COPIED,
                                 COPY_FAILED,           AUTOSTART_FAILED,            PRINT_FAILED,
                                 SETTINGS_READ_FAILED,  RESULT_WINDOW_FAILED,        HOTKEY_PROBLEM_TITLE,
                                 HISTORY_NOT_KEPT};
    return std::find(std::begin(TITLES), std::end(TITLES), id) != std::end(TITLES);
}

TEST(UiTables, CodesAndFontFaces) {
    for (const TableInfo& t : TABLES) {
        EXPECT_STREQ(ui_table(t.language)[LANG_CODE], t.code);
        EXPECT_STREQ(ui_table(t.language)[UI_FONT_FACE], t.font) << t.code;
    }
}

TEST(UiTables, EveryEntryKeepsTheEnglishStructure) {
    const UiStrings& en = UI_STRINGS_EN;
    for (const TableInfo& t : TABLES) {
        const UiStrings& table = ui_table(t.language);
        for (int i = 0; i < UI_TEXT_COUNT; ++i) {
            const UiText id = static_cast<UiText>(i);
            ASSERT_NE(table[id], nullptr) << t.code << " #" << i;
            const std::string_view text = table[id], english = en[id];
            SCOPED_TRACE(std::string(t.code) + " #" + std::to_string(i) + " " + std::string(english));
            EXPECT_FALSE(text.empty());
            EXPECT_TRUE(is_valid_utf8(text));
            EXPECT_EQ(placeholders(text), placeholders(english));
            EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), std::count(english.begin(), english.end(), '\t'));
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(english.begin(), english.end(), '\n'));
            // A menu shortcut needs words before the tab and keys after it.
            if (const size_t tab = text.find('\t'); tab != std::string_view::npos) {
                EXPECT_GT(tab, 0u);
                EXPECT_LT(tab + 1, text.size());
            }
            for (const char* kept : {"Ormick Oxel", "\xE2\x96\xA0", "\xC2\xB7", "\xE2\x80\x94"}) {
                if (english.find(kept) != std::string_view::npos) {
                    EXPECT_NE(text.find(kept), std::string_view::npos) << kept;
                }
            }
            const size_t units = utf8_to_utf16(filled(text)).size();
            EXPECT_LE(units, is_balloon_title(id) ? 63u : 255u);
        }
    }
}

TEST(UiTables, EnglishTrayTooltipWithOnlyACaptureHotkey) {
    const std::string tip = replace_all(replace_all(UI_STRINGS_EN[TRAY_TOOLTIP], "{cap}", "F1"), "{pin}",
                                        "\xE2\x80\x94");
    EXPECT_EQ(tip, "Ormick Oxel\nF1 capture \xC2\xB7 \xE2\x80\x94 pin");
}

}  // namespace
