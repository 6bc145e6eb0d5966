// Assembly of recognised words: spacing by script, full-width punctuation, marks recovered
// from synthetic images drawn here.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ocr/ocr_assemble.h"
#include "ocr/ocr_ink.h"
#include "ocr/ocr_punct.h"

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFFu;
constexpr uint32_t BLACK = 0xFF000000u;

struct Canvas {
    int32_t width, height;
    std::vector<uint32_t> px;
    Canvas(int32_t w, int32_t h) : width(w), height(h), px(static_cast<size_t>(w) * h, WHITE) {}
    void fill(int x0, int y0, int x1, int y1, uint32_t c = BLACK) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) px[static_cast<size_t>(y) * width + x] = c;
    }
    // A square ring with a stroke of 2 pixels.
    void ring(int x0, int y0, int size) {
        fill(x0, y0, x0 + size, y0 + size);
        fill(x0 + 2, y0 + 2, x0 + size - 2, y0 + size - 2, WHITE);
    }
    // A Han-like glyph of thin strokes, mostly background.
    void glyph(int x0, int y0, int size) {
        fill(x0, y0 + size / 2 - 1, x0 + size, y0 + size / 2 + 1);
        fill(x0 + size / 2 - 1, y0, x0 + size / 2 + 1, y0 + size);
    }
    OcrPixels view() const { return {px, width, height}; }
};

OcrWord word(const char* text, float x, float y = 16, float w = 20, float h = 20) { return {text, x, y, w, h}; }
OcrLine line(std::vector<OcrWord> words) { return {std::move(words)}; }

std::string join(std::vector<OcrWord> words) {
    const OcrLine l = line(std::move(words));
    return ocr_join_line_words(l, words_extent(l.words), nullptr).text;
}

TEST(OcrJoinLine, SpacingAndWidthByScript) {
    struct Case {
        const char* name;
        std::vector<OcrWord> words;
        const char* text;
    };
    const Case cases[] = {
        {"Han and a number without a gap", {word("中文", 16, 16, 40), word("123", 56, 16, 30)}, "中文123"},
        {"Latin words with a gap", {word("Hello", 16, 16, 50), word("world", 72, 16, 50)}, "Hello world"},
        {"a colon between digits", {word("12", 16), word(":", 40, 16, 4), word("30", 48)}, "12:30"},
        {"a period between digits", {word("3", 16, 16, 10), word(".", 30, 30, 4, 4), word("14", 38)}, "3.14"},
        {"a comma between Han", {word("中文", 16, 16, 40), word(",", 60, 30, 4, 8), word("中文", 68, 16, 40)}, "中文，中文"},
        {"a flat dash between Han", {word("中", 16), word("-", 40, 25, 18, 2), word("文", 62)}, "中一文"},
        {"a flat dash after a digit", {word("1", 16, 16, 10), word("-", 30, 25, 18, 2), word("文", 52)}, "1 - 文"},
        {"a tilde between digits in a Han line", {word("第", 16), word("1", 40, 16, 10), word("~", 54, 16, 10), word("3", 68, 16, 10)}, "第 1～3"},
        {"a question mark after Han", {word("什么", 16, 16, 40), word("?", 60, 16, 8)}, "什么？"},
        {"brackets around Latin stay", {word("(see", 16, 16, 40), word("this)", 60, 16, 40)}, "(see this)"},
        {"an opening bracket before Han widens", {word("x", 16, 16, 10), word("(", 30, 16, 6), word("中文", 40, 16, 40)}, "x（中文"},
    };
    for (const Case& c : cases) EXPECT_EQ(join(c.words), c.text) << c.name;
}

TEST(OcrJoinLine, BoxAndBandOfTheLine) {
    const OcrLine l = line({word("中", 16, 10, 20, 24), word("abc", 40, 14, 30, 12), word("文", 74, 12, 20, 20)});
    const OcrBand band = words_extent(l.words);
    // One-Han words decide the band when there are any.
    EXPECT_FLOAT_EQ(band.top, 10);
    EXPECT_FLOAT_EQ(band.height, 24);
    const OcrLineText t = ocr_join_line_words(l, band, nullptr);
    EXPECT_FLOAT_EQ(t.left, 16);
    EXPECT_FLOAT_EQ(t.right, 94);
    EXPECT_FLOAT_EQ(t.top, 10);
    EXPECT_FLOAT_EQ(t.bottom, 34);
    EXPECT_FLOAT_EQ(t.first_word_width, 20);
    const OcrBand none = words_extent({});
    EXPECT_EQ(none.top, std::numeric_limits<float>::max());
    EXPECT_EQ(none.height, 1);
}

// Three lines at the same left edge, 20 pixels high: the first two fill the column.
std::vector<OcrLine> paragraph(const char* first_end, const char* second_start, const char* third,
                               float first_left = 16) {
    return {line({word("中文中文", first_left, 16, 360 - first_left), word(first_end, 376, 16, 40)}),
            line({word(second_start, 16, 40, 40), word("abcd", 60, 40, 356)}),
            line({word(third, 16, 200, 40)})};
}

TEST(OcrAssemble, ParagraphJoins) {
    struct Case {
        const char* name;
        std::vector<OcrLine> lines;
        const char* assembled;
    };
    const Case cases[] = {
        // tight "甲1" outnumbers spaced: Han then digit joins without a space
        {"Han to digit, tight style", paragraph("文", "2024", "甲1"), "中文中文文2024 abcd\n甲1"},
        {"Han to digit, spaced style", paragraph("文", "2024", "甲 1"), "中文中文文 2024 abcd\n甲 1"},
        {"a trailing hyphen", paragraph("exam-", "ple", "x"), "中文中文 exam-ple abcd\nx"},
        {"first line indented by two bands", paragraph("end", "next", "x", 56), "中文中文 end next abcd\nx"},
        {"first line indented by four bands", paragraph("end", "next", "x", 96), "中文中文 end\nnext abcd\nx"},
    };
    for (const Case& c : cases) {
        const AssembledText t = assemble_ocr_text(c.lines, {});
        EXPECT_EQ(t.assembled, c.assembled) << c.name;
    }
    const AssembledText t = assemble_ocr_text(paragraph("end", "next", "x"), {});
    EXPECT_EQ(t.lines, "中文中文 end\nnext abcd\nx");
}

TEST(OcrAssemble, NoLinesGiveTwoEmptyTexts) {
    for (const std::vector<OcrLine>& lines : {std::vector<OcrLine>{}, std::vector<OcrLine>{OcrLine{}}}) {
        const AssembledText t = assemble_ocr_text(lines, {});
        EXPECT_EQ(t.assembled, "");
        EXPECT_EQ(t.lines, "");
    }
}

TEST(OcrAssemble, RightToLeftWordOrderIsSafe) {
    Canvas c(200, 60);
    c.glyph(120, 16, 20);
    c.glyph(60, 16, 20);
    const std::vector<OcrLine> lines = {line({word("שלום", 120), word("עולם", 60), word(".", 40, 30, 4, 4)})};
    // Each word starts left of the one before: no gap, so no spaces.
    const AssembledText t = assemble_ocr_text(lines, c.view());
    EXPECT_EQ(t.lines.rfind("שלוםעולם", 0), 0u) << t.lines;
}

TEST(OcrAssemble, HugeAndNaNBoxesAreSafe) {
    Canvas c(64, 64);
    c.glyph(16, 16, 20);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<OcrLine> lines = {
        line({word("中", 16), word(",", 1e30f, -1e30f, 1e30f, 1e30f), word("文", nan, nan, nan, nan)}),
        line({word("中", -1e9f, 16, 3e9f, 20), word("文", 2e9f, 16)})};
    const AssembledText t = assemble_ocr_text(lines, c.view());
    EXPECT_FALSE(t.lines.empty());
}

TEST(OcrInk, TruncationSaturates) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, int32_t> cases[] = {{2.9f, 2},   {-1.7f, -1},       {nan, 0},
                                               {3e9f, INT32_MAX}, {-3e9f, INT32_MIN}, {-2147483648.0f, INT32_MIN}};
    for (const auto& [v, want] : cases) EXPECT_EQ(trunc_sat(v), want) << v;
}

TEST(OcrInk, BackgroundAndThreshold) {
    Canvas c(100, 50);
    c.glyph(16, 16, 20);
    const std::vector<OcrWord> words = {word("中", 16), word("文", 40)};
    const std::optional<InkInfo> ink = estimate_background(c.view(), words, words_extent(words));
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->background, 0xFFFFFFu);
    EXPECT_EQ(ink->threshold, 255 * 45 / 100);

    // Weak contrast: no ink information.
    Canvas faint(100, 50);
    faint.fill(20, 20, 30, 30, 0xFFE0E0E0u);
    EXPECT_FALSE(estimate_background(faint.view(), words, words_extent(words)));
    // Words given right to left leave no columns to sample; words outside the image neither.
    const std::vector<OcrWord> rtl = {word("文", 40), word("中", 16)};
    EXPECT_FALSE(estimate_background(c.view(), rtl, words_extent(rtl)));
    const std::vector<OcrWord> outside = {word("中", 500), word("文", 540)};
    EXPECT_FALSE(estimate_background(c.view(), outside, words_extent(outside)));
}

InkInfo white_ink(const Canvas& c) { return InkInfo{c.view(), 0xFFFFFF, 114}; }

TEST(OcrInk, BlobsAndBoxes) {
    Canvas c(100, 40);
    c.fill(10, 10, 14, 20);
    c.fill(16, 12, 18, 14);  // two blank columns: still the same blob
    c.fill(30, 5, 32, 8);    // three blank columns before it: a blob of its own
    const InkInfo ink = white_ink(c);
    EXPECT_EQ(first_ink_blob(ink, 0, 100, 0, 40), (PixelBox{10, 10, 18, 20}));
    EXPECT_EQ(first_ink_blob(ink, 19, 100, 0, 40), (PixelBox{30, 5, 32, 8}));
    EXPECT_EQ(find_ink_bbox(ink, -50, -50, 500, 500), (PixelBox{10, 5, 32, 20}));
    EXPECT_FALSE(find_ink_bbox(ink, 40, 0, 100, 40));
    EXPECT_FALSE(first_ink_blob(ink, 50, 10, 0, 40));
}

TEST(OcrInk, RingAgainstDot) {
    Canvas c(80, 40);
    c.ring(10, 10, 7);
    c.fill(30, 10, 37, 17);
    const InkInfo ink = white_ink(c);
    EXPECT_TRUE(is_full_stop_blob(ink, {10, 10, 7, 7}));
    EXPECT_FALSE(is_full_stop_blob(ink, {30, 10, 7, 7}));
    EXPECT_FALSE(is_full_stop_blob(ink, {50, 10, 7, 7}));  // nothing there
    // A box far larger than the image: bounded work, no crash.
    (void)is_full_stop_blob(ink, {-1e9f, -1e9f, 2e9f, 2e9f});
    EXPECT_FLOAT_EQ(centre_contrast_ratio(c.view(), 0xFFFFFF, {30, 10, 7, 7}), 1.0f);
    EXPECT_FLOAT_EQ(centre_contrast_ratio(c.view(), 0xFFFFFF, {10, 10, 7, 7}), 0.0f);
    EXPECT_FLOAT_EQ(centre_contrast_ratio(c.view(), 0xFFFFFF, {60, 30, 5, 5}), 1.0f);
}

TEST(OcrPunct, ClassifiedMarks) {
    Canvas c(200, 60);
    c.fill(40, 30, 45, 35);  // a solid dot
    c.ring(60, 29, 6);       // a dot with a hollow centre
    c.fill(80, 20, 84, 24);  // a colon: dot above a dot
    c.fill(80, 30, 84, 34);
    c.fill(99, 22, 105, 24);  // a bar over the whole search width, then a dot below it
    c.fill(100, 30, 104, 34);
    const InkInfo ink = white_ink(c);
    const char32_t han = U'中';
    struct Case {
        const char* name;
        OcrBox box;
        std::optional<char32_t> p, n;
        bool with_ink;
        std::optional<char32_t> want;
    };
    const Case cases[] = {
        {"solid dot after Han", {40, 30, 5, 5}, han, std::nullopt, true, U'\u00B7'},
        {"hollow dot after Han", {60, 29, 6, 6}, han, std::nullopt, true, U'\u3002'},
        {"dot without ink information", {40, 30, 5, 5}, han, std::nullopt, false, U'\u3002'},
        {"colon from its companion", {80, 30, 4, 4}, han, han, true, U'\uFF1A'},
        {"an upper companion over the whole width counts", {100, 30, 4, 4}, han, han, true, U'\uFF1A'},
        {"between Latin letters: kept", {40, 30, 5, 5}, U'a', U'b', true, std::nullopt},
        {"no previous character: kept", {40, 30, 5, 5}, std::nullopt, han, true, std::nullopt},
        {"a comma shape", {40, 26, 3, 7}, han, han, false, U'\uFF0C'},
        {"a small low dot between Han without ink", {40, 33, 3, 3}, han, han, false, U'\uFF1A'},
        {"a small high dot", {40, 18, 3, 3}, han, han, false, U'\u00B7'},
        {"too wide a mark", {40, 20, 10, 10}, han, han, true, std::nullopt},
    };
    for (const Case& k : cases)
        EXPECT_EQ(classify_punct_blob(k.box, 16, 20, k.p, k.n, k.with_ink ? &ink : nullptr), k.want) << k.name;
}

TEST(OcrPunct, DroppedMarksAreRecovered) {
    struct Case {
        const char* name;
        void (*draw)(Canvas&);
        const char* prev;
        const char* text;  // the line's text
    };
    const Case cases[] = {
        {"a ring after Han", [](Canvas& c) { c.ring(40, 29, 7); }, "中", "中。"},
        {"a ring after a closing bracket", [](Canvas& c) { c.ring(40, 29, 7); }, "」", "」。"},
        {"a ring after Latin", [](Canvas& c) { c.ring(40, 29, 7); }, "a", "a"},
        {"a comma after Han", [](Canvas& c) { c.fill(40, 28, 43, 36); }, "中", "中，"},
        {"a mark too far away", [](Canvas& c) { c.ring(52, 29, 7); }, "中", "中"},
        {"nothing in the gap", [](Canvas&) {}, "中", "中"},
    };
    for (const Case& k : cases) {
        Canvas c(120, 60);
        c.glyph(16, 16, 20);
        k.draw(c);
        const std::vector<OcrLine> lines = {line({word(k.prev, 16)})};
        EXPECT_EQ(assemble_ocr_text(lines, c.view()).lines, k.text) << k.name;
    }
}

TEST(OcrPunct, RecoveredBeforeTheNextWord) {
    Canvas c(200, 60);
    c.glyph(16, 16, 20);
    c.ring(44, 29, 7);
    c.glyph(70, 16, 20);
    const std::vector<OcrLine> lines = {line({word("中", 16), word("文", 70)})};
    EXPECT_EQ(assemble_ocr_text(lines, c.view()).lines, "中。文");
}

}  // namespace
