#include <gtest/gtest.h>

#include "gdip/gdip_text.h"

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
