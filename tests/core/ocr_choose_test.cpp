// The choice among several recognisers' results by script, on hand-built lines.
#include <gtest/gtest.h>

#include <cmath>

#include "ocr/ocr_choose.h"

namespace {

OcrWord w(const char* text, float x, float y = 10, float width = 40, float height = 20) {
    return {text, x, y, width, height};
}

// The lines as "word word|word", for comparing whole results.
std::string texts(const std::vector<OcrLine>& lines) {
    std::string s;
    for (const OcrLine& l : lines) {
        if (!s.empty()) s += '|';
        for (size_t i = 0; i < l.words.size(); ++i) s += (i ? " " : "") + l.words[i].text;
    }
    return s;
}

struct Case {
    const char* name;
    const char* primary_tag;
    std::vector<OcrLine> primary;
    std::vector<TaggedOcrResult> others;
    const char* want;
};

TEST(OcrChoose, Stages) {
    const Case cases[] = {
        {"no foreign group: the primary stands, the other result goes",
         "en-US",
         {{{w("Hello", 16), w("world", 60)}}},
         {{"ja-JP", {{{w("He11o", 16), w("wor1d", 60)}}}}},
         "Hello world"},
        {"one primary and one foreign line merge by x",
         "ja-JP",
         {{{w("東京", 16), w("xx", 60), w("!", 110, 10, 10)}}},
         {{"ko-KR", {{{w("ab", 14), w("서울", 60), w("!", 110, 10, 10), w("7", 130, 10, 10)}}}}},
         "東京 서울 ! 7"},
        {"two primary lines under one foreign line become one line",
         "en-US",
         {{{w("Iine", 16, 10)}}, {{w("1ine", 16, 22)}}, {{w("below", 16, 200)}}},
         {{"zh-CN", {{{w("第二", 60, 10, 40, 32), w("第一", 16, 10, 40, 32)}}}}},
         "第一 第二|below"},
        {"two foreign lines on one row become one line",
         "en-US",
         {{{w("xxxxxxxx", 16, 10, 200)}}},
         {{"ru-RU", {{{w("мир", 120)}}, {{w("привет", 16)}}}}},
         "привет мир"},
        {"an unmatched foreign line is inserted after the tops not below its own",
         "en-US",
         {{{w("top", 16, 10)}}, {{w("middle", 16, 100)}}, {{w("bottom", 16, 300)}}},
         {{"el-GR", {{{w("καλημέρα", 400, 100)}}, {{w("ok", 400, 200)}}}}},
         "top|middle|καλημέρα|bottom"},
        {"lines sharing less than half the height do not group",
         "en-US",
         {{{w("abc", 16, 0)}}},
         {{"ko-KR", {{{w("한국어", 16, 12)}}}}},
         "abc|한국어"},
        {"Chinese primary, English other: a Latin-only group is replaced",
         "zh-CN",
         {{{w("AB12", 16)}}, {{w("中文", 16, 100)}}},
         {{"en-US", {{{w("ABI2", 16)}}, {{w("Zh", 16, 100)}}}}},
         "ABI2|中文"},
        {"Chinese primary, English other: a punctuation-only group stays",
         "zh-CN",
         {{{w("...", 16)}}},
         {{"en-US", {{{w("ok", 16)}}}}},
         "..."},
        {"a Latin primary keeps its reading against other Latin recognisers",
         "en-US",
         {{{w("colour", 16)}}},
         {{"fr-FR", {{{w("couleur", 16)}}}}, {"de-DE", {{{w("Farbe", 16)}}}}},
         "colour"},
        {"lines without words are left out",
         "en-US",
         {{}, {{w("a", 16)}}},
         {{"ko-KR", {{}}}},
         "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(texts(choose_best_ocr(c.primary_tag, c.primary, c.others)), c.want) << c.name;
}

TEST(OcrChoose, MergedWordsKeepTheirBoxesAndNegativeZeroSortsFirst) {
    const std::vector<OcrLine> primary = {{{w("xx", 0.0f)}}};
    const std::vector<TaggedOcrResult> others = {{"ko-KR", {{{w("나", 0.0f), w("가", -0.0f)}}}}};
    const std::vector<OcrLine> out = choose_best_ocr("en-US", primary, others);
    ASSERT_EQ(out.size(), 1u);
    ASSERT_EQ(out[0].words.size(), 2u);
    EXPECT_EQ(out[0].words[0].text, "가");
    EXPECT_TRUE(std::signbit(out[0].words[0].x));
}

TEST(OcrChoose, ScriptConflictFilter) {
    const ScriptSet han = script_bit(Script::Han), hangul = script_bit(Script::Hangul);
    const std::vector<OcrWord> a = {w("漢字", 16), w("abc", 60), w("中", 110, 10, 20)};
    const std::vector<OcrWord> b = {w("한", 100, 10, 30)};
    const std::vector<OcrWord> kept = ocr_filter_script_conflicts(a, han, b, hangul);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].text, "漢字");
}

TEST(OcrChoose, ScriptForLanguage) {
    const std::pair<const char*, ScriptSet> cases[] = {
        {"zh-Hant-TW", script_bit(Script::Han)},
        {"ja", script_bit(Script::Han) | script_bit(Script::Kana)},
        {"KO-kr", script_bit(Script::Hangul)},
        {"sr-Latn-RS", LATIN_ONLY},
        {"sr-Cyrl-RS", script_bit(Script::Cyrillic)},
        {"uk-UA", script_bit(Script::Cyrillic)},
        {"fa-IR", script_bit(Script::Arabic)},
        {"he-IL", script_bit(Script::Hebrew)},
        {"th", script_bit(Script::Thai)},
        {"ne-NP", script_bit(Script::Devanagari)},
        {"el", script_bit(Script::Greek)},
        {"fil", LATIN_ONLY},
        {"", LATIN_ONLY},
        {"de-DE", LATIN_ONLY},
    };
    for (const auto& [tag, want] : cases) EXPECT_EQ(script_for_language(tag), want) << tag;
}

TEST(OcrChoose, ScriptClasses) {
    const std::pair<char32_t, std::optional<Script>> cases[] = {
        {U'a', Script::Latin},   {U'\u00D7', std::nullopt}, {U'\u00E9', Script::Latin}, {U'中', Script::Han},
        {U'カ', Script::Kana},    {U'ｶ', Script::Kana},       {U'한', Script::Hangul},    {U'ж', Script::Cyrillic},
        {U'λ', Script::Greek},   {U'ب', Script::Arabic},     {U'ש', Script::Hebrew},     {U'ก', Script::Thai},
        {U'क', Script::Devanagari}, {U'1', std::nullopt},   {U'\U00020000', Script::Han},
    };
    for (const auto& [c, want] : cases) EXPECT_EQ(script_of(c), want) << static_cast<uint32_t>(c);
    EXPECT_FALSE(counts_for(U'a', LATIN_ONLY));
    EXPECT_TRUE(counts_for(U'中', script_bit(Script::Han)));
}

}  // namespace
