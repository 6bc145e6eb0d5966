#include <gtest/gtest.h>

#include "gdip/gdip_text.h"
#include "gdip/text_runs.h"

TEST(FontFaceCandidates, LanguageFaceFirstWithoutRepeats) {
    using V = std::vector<std::string>;
    struct Case { const char* ui; V out; };
    const Case cases[] = {
        {"Microsoft YaHei UI", V{"Microsoft YaHei UI", "Segoe UI", "Arial"}},
        {"Segoe UI", V{"Segoe UI", "Arial"}},
        {"Arial", V{"Arial", "Segoe UI"}},
        {"", V{"Segoe UI", "Arial"}},
    };
    for (const Case& c : cases) EXPECT_EQ(font_face_candidates(c.ui), c.out) << c.ui;
}

TEST(SplitTextLines, BreaksAtNewlines) {
    using V = std::vector<std::string_view>;
    struct Case { const char* in; V out; };
    const Case cases[] = {
        {"Ab", V{"Ab"}},
        {"Ab\nCd", V{"Ab", "Cd"}},
        {"Ab\r\nCd\r\n", V{"Ab", "Cd", ""}},
        {"", V{""}},
        {"\n\n", V{"", "", ""}},
        {"a\rb", V{"a\rb"}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_text_lines(c.in), c.out) << c.in;
}

TEST(LineAdvance, ScalesByTheFamilysLineSpacing) {
    EXPECT_FLOAT_EQ(line_advance(20.0f, 2355, 2048), 20.0f * 2355.0f / 2048.0f);
    EXPECT_FLOAT_EQ(line_advance(20.0f, 2048, 2048), 20.0f);
    EXPECT_FLOAT_EQ(line_advance(16.0f, 2355, 0), 16.0f);
    EXPECT_FLOAT_EQ(line_advance(16.0f, 0, 2048), 16.0f);
}

TEST(TextRuns, EachScriptGetsAFamilyThatHasItsGlyphs) {
    using enum FontSlot;
    struct Run { std::string_view text; FontSlot slot; };
    struct Case { std::string_view line; std::string_view lang; std::vector<Run> runs; };
    const Case cases[] = {
        {"Grüße 你好", "en", {{"Grüße ", Base}, {"你好", SimplifiedChinese}}},
        {"Grüße 你好", "zh-TW", {{"Grüße ", Base}, {"你好", TraditionalChinese}}},
        {"Grüße 你好", "ja", {{"Grüße ", Base}, {"你好", Japanese}}},
        {"漢字とかな", "en", {{"漢字とかな", Japanese}}},        // kana make the Han Japanese
        {"한국어 漢字", "de", {{"한국어 漢字", Korean}}},         // and Hangul Korean
        {"你好，世界！ OK", "zh-CN", {{"你好，世界！ ", SimplifiedChinese}, {"OK", Base}}},
        {"「引用」abc", "en", {{"「引用」", SimplifiedChinese}, {"abc", Base}}},
        {"  12 ĉu 3", "en", {{"  12 ĉu 3", Base}}},
        {"(你好)", "ko", {{"(你好)", Korean}}},                  // neutral text first takes what follows
        {"Привет ไทย हिन्दी 😀!", "ru",
         {{"Привет ", Base}, {"ไทย ", Thai}, {"हिन्दी ", Indic}, {"😀!", Emoji}}},
        {"", "en", {}},
        {"a\xFF" "b", "en", {{"a\xFF" "b", Base}}},
    };
    for (const Case& c : cases) {
        std::vector<Run> got;
        for (const TextRun& r : split_text_runs(c.line, han_slot(c.line, c.lang)))
            got.push_back({c.line.substr(r.begin, r.end - r.begin), r.slot});
        ASSERT_EQ(got.size(), c.runs.size()) << c.line;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.runs[i].text) << c.line;
            EXPECT_EQ(got[i].slot, c.runs[i].slot) << c.line << " run " << i;
        }
    }
    // The faces the system uses for each script come first.
    EXPECT_EQ(slot_faces(SimplifiedChinese).front(), "Microsoft YaHei UI");
    EXPECT_EQ(slot_faces(TraditionalChinese).front(), "Microsoft JhengHei UI");
    EXPECT_EQ(slot_faces(Japanese).front(), "Yu Gothic UI");
    EXPECT_EQ(slot_faces(Korean).front(), "Malgun Gothic");
    EXPECT_TRUE(slot_faces(Base).empty());
}
