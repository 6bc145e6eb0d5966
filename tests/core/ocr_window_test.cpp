#include <gtest/gtest.h>

#include <cmath>

#include "ocr/ocr_done.h"
#include "ocr/ocr_window_geometry.h"
#include "ocr/ocr_window_text.h"

TEST(OcrWindowSize, ChineseAndEnglishNarrowOthersWideScaledByDpi) {
    struct Case {
        const char* lang;
        uint32_t dpi;
        OcrWindowSize size;
    };
    const Case cases[] = {
        {"en", 96, {520, 380}},    {"zh-CN", 96, {520, 380}}, {"zh-TW", 96, {520, 380}}, {"zh", 96, {520, 380}},
        {"de", 96, {720, 380}},    {"ja", 96, {720, 380}},    {"z", 96, {720, 380}},     {"en-GB", 96, {720, 380}},
        {"en", 144, {780, 570}},   {"de", 144, {1080, 570}},  {"zh-TW", 120, {650, 475}}, {"ko", 120, {900, 475}},
    };
    for (const Case& c : cases) EXPECT_EQ(ocr_window_size(c.lang, c.dpi), c.size) << c.lang << " " << c.dpi;
    EXPECT_EQ(ocr_font_height(96), 15);
    EXPECT_EQ(ocr_font_height(144), 22);
    EXPECT_EQ(ocr_font_height(120), 18);
}

TEST(OcrWindowSize, TruncationSaturatesAndScaleRounds) {
    EXPECT_EQ(trunc_i32(NAN), 0);
    EXPECT_EQ(trunc_i32(3e9f), INT32_MAX);
    EXPECT_EQ(trunc_i32(-3e9f), INT32_MIN);
    EXPECT_EQ(trunc_i32(2.9f), 2);
    EXPECT_EQ(trunc_i32(-2.9f), -2);
    EXPECT_EQ(ocr_scale(10, 96), 10);
    EXPECT_EQ(ocr_scale(10, 144), 15);
    EXPECT_EQ(ocr_scale(10, 72), 10);  // below 96 counts as 96
    EXPECT_EQ(ocr_scale(0.5f, 96), 1);
    EXPECT_EQ(ocr_scale(24, 120), 30);
    EXPECT_EQ(ocr_scale(1e9f, 960), INT32_MAX);
}

TEST(OcrWindowPlace, BesideTheRectangleInsideTheWorkArea) {
    struct Case {
        const char* what;
        Rect placement, work;
        OcrWindowSize size;
        OcrPoint at;
    };
    const Rect work{0, 0, 1920, 1040};
    const Case cases[] = {
        {"right of it", {100, 100, 500, 400}, work, {520, 380}, {508, 100}},
        {"just fits on the right", {100, 100, 1392, 400}, work, {520, 380}, {1400, 100}},
        {"near the right edge: left of it", {1500, 100, 1900, 400}, work, {520, 380}, {972, 100}},
        {"neither side: centred", {300, 100, 1700, 400}, work, {520, 380}, {740, 100}},
        {"centred, then pushed left", {500, 100, 2500, 400}, work, {1080, 570}, {840, 100}},
        {"centred, then pushed right", {-200, 100, 900, 300}, {0, 0, 1000, 800}, {720, 380}, {0, 100}},
        {"below the bottom: bottom-aligned", {100, 900, 500, 1000}, work, {520, 380}, {508, 660}},
        {"above the top", {100, -50, 500, 100}, work, {520, 380}, {508, 0}},
        {"second monitor to the left", {-1800, 200, -1200, 500}, {-1920, 0, 0, 1040}, {720, 380}, {-1192, 200}},
        {"larger than the work area", {0, 0, 10, 10}, {0, 0, 400, 300}, {520, 380}, {0, 0}},
        {"extreme coordinates", {INT32_MAX - 1, INT32_MIN, INT32_MAX, INT32_MIN + 1}, work, {520, 380}, {1400, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ocr_window_origin(c.placement, c.work, c.size), c.at) << c.what;
}

TEST(OcrWindowLayout, ControlsAtTheirPlaces) {
    OcrLayoutInput in;
    in.client_width = 504;
    in.client_height = 341;
    in.language_box = true;
    in.box_height = 21;
    in.copy_text = 100;
    in.close_text = 60;
    in.translate_text = 90;
    in.open_text = 90;
    EXPECT_EQ(ocr_language_box_place(504, 96), (ControlPlace{100, 10, 394, 300}));
    OcrLayout l = ocr_window_layout_places(in);
    EXPECT_EQ(l.label, (ControlPlace{10, 10, 90, 28}));
    EXPECT_EQ(l.edit, (ControlPlace{10, 43, 484, 246}));
    EXPECT_EQ(l.close, (ControlPlace{374, 299, 120, 32}));
    EXPECT_EQ(l.copy, (ControlPlace{244, 299, 120, 32}));
    EXPECT_EQ(l.translate, (ControlPlace{144, 299, 90, 32}));
    EXPECT_EQ(l.keep_breaks, (ControlPlace{12, 299, 124, 32}));
    EXPECT_EQ(l.open_link, (ControlPlace{10, 299, 120, 32}));

    // A taller box and long texts at 144 DPI, no language box: the edit starts at the margin.
    in.dpi = 144;
    in.client_width = 1064;
    in.client_height = 531;
    in.language_box = false;
    in.copy_text = 200;
    l = ocr_window_layout_places(in);
    EXPECT_EQ(l.edit, (ControlPlace{15, 15, 1034, 531 - 15 - 48 - 30}));
    EXPECT_EQ(l.close, (ControlPlace{1064 - 15 - 180, 531 - 15 - 48, 180, 48}));
    EXPECT_EQ(l.copy, (ControlPlace{1064 - 30 - 180 - 200, 468, 200, 48}));
    EXPECT_EQ(l.translate, (ControlPlace{1064 - 45 - 380 - 120, 468, 120, 48}));  // S(80) beats 90
    EXPECT_EQ(ocr_language_box_place(1064, 144), (ControlPlace{150, 15, 630, 450}));

    // A box taller than the minimum row pushes the edit down.
    in.dpi = 96;
    in.language_box = true;
    in.box_height = 40;
    EXPECT_EQ(ocr_window_layout_places(in).edit.y, 10 + 40 + 5);
}

TEST(OcrWindowLayout, TinyWindowGivesNoNegativeSizes) {
    OcrLayoutInput in;
    in.client_width = 50;
    in.client_height = 40;
    const OcrLayout l = ocr_window_layout_places(in);
    EXPECT_EQ(l.edit, (ControlPlace{10, 10, 30, 0}));
    EXPECT_EQ(l.keep_breaks.w, 0);
    EXPECT_EQ(ocr_language_box_place(50, 96).w, 0);
}

TEST(OcrWindowText, LineBreaksToAndFromTheEdit) {
    struct Case {
        std::string text, edit, back;
    };
    const Case cases[] = {
        {"a\nb", "a\r\nb", "a\nb"},
        {"\n\n", "\r\n\r\n", "\n\n"},
        {"", "", ""},
        {"a\r\nb", "a\r\nb", "a\nb"},  // a QR code's own CR LF stays one line break
        {"x\n", "x\r\n", "x\n"},
        {"a\rb", "a\rb", "a\rb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(to_edit_text(c.text), c.edit) << c.text;
        EXPECT_EQ(from_edit_text(c.edit), c.back) << c.text;
    }
}

TEST(OcrWindowText, TheSelectionIsTakenWhenThereIsOne) {
    struct Case {
        std::u16string edit;
        uint32_t start, end;
        std::string taken;
    };
    const Case cases[] = {
        {u"ab\r\ncd", 0, 0, "ab\ncd"},      // no selection: all
        {u"ab\r\ncd", 1, 5, "b\nc"},
        {u"ab\r\ncd", 2, 4, "\n"},
        {u"ab\r\ncd", 4, 1, "ab\ncd"},      // reversed: all
        {u"ab\r\ncd", 0, 6, "ab\ncd"},
        {u"ab\r\ncd", 0, 7, "ab\ncd"},      // beyond the end: all
        {std::u16string(u"ab\0cd", 5), 0, 5, "ab"},  // text ends at the first NUL
        {u"x\U0001F600", 0, 2, "x\xEF\xBF\xBD"},   // half a pair
        {u"K\u00F6ln", 1, 2, "\xC3\xB6"},
    };
    for (const Case& c : cases) EXPECT_EQ(edit_text_taken(c.edit, c.start, c.end), c.taken) << c.start << "-" << c.end;
}

TEST(OcrWindowLanguages, ItemsAndTheFirstChoice) {
    EXPECT_EQ(language_item_text("English (United States)", "en-US"), "English (United States)  (en-US)");
    const std::vector<std::string> tags{"en-US", "ja", "EN-us"};
    EXPECT_EQ(initial_language_index(tags, "en-us"), 3u);  // the last match wins
    EXPECT_EQ(initial_language_index(tags, "JA"), 2u);
    EXPECT_EQ(initial_language_index(tags, "fr"), 0u);      // not installed: Automatic
    EXPECT_EQ(initial_language_index(tags, ""), 0u);
    EXPECT_EQ(initial_language_index({}, "en-US"), 0u);
    EXPECT_EQ(language_tag_of(tags, 0), "");
    EXPECT_EQ(language_tag_of(tags, 2), "ja");
    EXPECT_EQ(language_tag_of(tags, 4), "");
}

TEST(OcrWindowLanguages, WhatAChoiceDoes) {
    struct Case {
        int64_t sel;
        size_t selected;
        bool image;
        LanguageChange change;
    };
    // Two tags: items 0 (Automatic), 1, 2 and 3 ("Add a language…").
    const Case cases[] = {
        {3, 1, true, LanguageChange::AddLanguage}, {3, 1, false, LanguageChange::AddLanguage},
        {1, 1, true, LanguageChange::Nothing},     {0, 1, true, LanguageChange::Rerun},
        {2, 1, true, LanguageChange::Rerun},       {-1, 1, true, LanguageChange::Nothing},
        {4, 1, true, LanguageChange::Nothing},     {0, 1, false, LanguageChange::Nothing},
        {0, 0, true, LanguageChange::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(language_change(c.sel, 2, c.selected, c.image), c.change) << c.sel << " " << c.selected;
}

TEST(OcrDoneLogLine, CountsCodePointsAndEscapesErrors) {
    struct Case {
        OcrTextResult result;
        std::string line;
    };
    const Case cases[] = {
        {OcrText{"abc", "abc"}, "ocr done: Ok(3)"},
        {OcrText{"\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80", ""}, "ocr done: Ok(4)"},
        {OcrText{"", ""}, "ocr done: Ok(0)"},
        {make_error("Class not registered"), "ocr done: Err(\"Class not registered\")"},
        {make_error("a \"b\" c:\\d\n\t\x01"), "ocr done: Err(\"a \\\"b\\\" c:\\\\d\\n\\t\\u{1}\")"},
    };
    for (const Case& c : cases) EXPECT_EQ(ocr_done_log_line(c.result), c.line);
}
