#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pin/clip_text.h"
#include "pin/color_code.h"

namespace {

std::string describe(const ClipTextImage& image) {
    if (std::holds_alternative<NoClipImage>(image)) return "none";
    if (const Rgb* c = std::get_if<Rgb>(&image)) return "colour " + hex_line(*c);
    return "text " + std::get<std::string>(image);
}

}  // namespace

TEST(ColorCode, StrictForms) {
    struct Case {
        const char* text;
        std::optional<Rgb> want;
    };
    const Case cases[] = {
        {"#F80", Rgb{255, 136, 0}},
        {"#3a7bd5", Rgb{58, 123, 213}},
        {"#3A7BD580", Rgb{58, 123, 213}},
        {"  #000\n", Rgb{0, 0, 0}},
        {"rgb(255, 136, 0)", Rgb{255, 136, 0}},
        {"RGB(1,2,3)", Rgb{1, 2, 3}},
        {"rgba(10, 20, 30, 0.5)", Rgb{10, 20, 30}},
        {"rgba(10,20,30)", Rgb{10, 20, 30}},
        {"10,20,30", Rgb{10, 20, 30}},
        {" 10 , 20 , 30 ", Rgb{10, 20, 30}},
        {"10 20 30", Rgb{10, 20, 30}},
        {"\t255,255,255\r\n", Rgb{255, 255, 255}},
        {"010,0,0", Rgb{10, 0, 0}},
        // Not colours: they pin as text.
        {"10 20 30 40", std::nullopt},
        {"#12345", std::nullopt},
        {"#1234567890", std::nullopt},
        {"rgb(300,0,0)", std::nullopt},
        {"rgb(256, 0, 0)", std::nullopt},
        {"#+FF", std::nullopt},
        {"#0x1234", std::nullopt},
        {"#GGG", std::nullopt},
        {"#", std::nullopt},
        {"12abc,1,1", std::nullopt},
        {"+10,20,30", std::nullopt},
        {"-1,2,3", std::nullopt},
        {"0x10,1,1", std::nullopt},
        {"10,\t20,30", std::nullopt},
        {"10,20", std::nullopt},
        {"rgb(10,20)", std::nullopt},
        {"rgb(1,2,3,4,5)", std::nullopt},
        {"rgb(1,2,3", std::nullopt},
        {"rgb()", std::nullopt},
        {"1.5,2,3", std::nullopt},
        {"99999999999999999999,1,1", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<Rgb> got = parse_color_code(c.text);
        EXPECT_EQ(got, c.want) << c.text;
    }
}

TEST(ColorCode, SwatchLinesAndColorref) {
    EXPECT_EQ(hex_line({255, 136, 0}), "#FF8800");
    EXPECT_EQ(rgb_line({255, 136, 0}), "rgb(255, 136, 0)");
    EXPECT_EQ(hex_line({58, 123, 213}), "#3A7BD5");
    EXPECT_EQ(rgb_line({58, 123, 213}), "rgb(58, 123, 213)");
    EXPECT_EQ(hex_line({0, 0, 0}), "#000000");
    EXPECT_EQ(to_colorref({0x11, 0x22, 0x33}), 0x332211u);
}

TEST(ClipText, WhatTheTextBecomes) {
    struct Case {
        std::string text;
        std::string want;
    };
    const std::vector<Case> cases = {
        {"", "none"},
        {"    ", "none"},
        {" \t\r\n\xE3\x80\x80\xC2\xA0", "none"},  // ideographic and no-break spaces
        {"#F80", "colour #FF8800"},
        {"  rgb(255, 136, 0)  \n", "colour #FF8800"},
        {"10 20 30 40", "text 10 20 30 40"},
        {"#12345", "text #12345"},
        {"  indented\r\nnext\r\n\r\n", "text   indented\nnext"},
        {"a\rb\n", "text a\rb"},
        {"a\r\r\nb", "text a\r\nb"},  // a lone CR stays
        {"\xEF\xBB\xBFx", "text \xEF\xBB\xBFx"},  // U+FEFF is not white space
    };
    for (const Case& c : cases) EXPECT_EQ(describe(clip_text_image(c.text)), c.want) << c.text;
}

TEST(ClipText, CutAtFiveThousandCodePointsKeepsAnAstralCharacterWhole) {
    const std::string emoji = "\xF0\x9F\x98\x80";  // U+1F600, a surrogate pair in UTF-16
    const std::string head(4999, 'a');
    EXPECT_EQ(describe(clip_text_image(head + emoji + "bcd")), "text " + head + emoji);
    EXPECT_EQ(describe(clip_text_image(head + "b" + emoji)), "text " + head + "b");
    // The cut comes before line ends are joined: a CRLF across the cut leaves the CR.
    EXPECT_EQ(std::get<std::string>(clip_text_image(head + "\r\nx")), head + "\r");
    EXPECT_EQ(first_code_points("\xC3\xA9\xE4\xB8\xAD" + emoji, 2), "\xC3\xA9\xE4\xB8\xAD");
    EXPECT_EQ(first_code_points("ab", 5), "ab");
}

TEST(ClipText, LengthBoundedByTheBlockAndTheLimit) {
    const std::u16string nul_inside = u"abc\0def";
    const std::u16string no_nul = u"abcdef";
    struct Case {
        const char16_t* units;
        size_t block_bytes;
        size_t want;
    };
    const Case cases[] = {
        {nul_inside.data(), 8 * 2, 3},
        {no_nul.data(), 6 * 2, 6},   // no NUL: the block's end bounds the read
        {no_nul.data(), 4 * 2 + 1, 4},  // an odd byte is not a unit
        {no_nul.data(), 0, 0},
        {nullptr, 100, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(clipboard_text_length(c.units, c.block_bytes), c.want);

    std::u16string huge(CLIPBOARD_TEXT_MAX_UNITS + 10, u'x');
    EXPECT_EQ(clipboard_text_length(huge.data(), huge.size() * 2), CLIPBOARD_TEXT_MAX_UNITS);
    huge[CLIPBOARD_TEXT_MAX_UNITS - 1] = 0xD83D;  // a pair across the limit is dropped whole
    huge[CLIPBOARD_TEXT_MAX_UNITS] = 0xDE00;
    EXPECT_EQ(clipboard_text_length(huge.data(), huge.size() * 2), CLIPBOARD_TEXT_MAX_UNITS - 1);
}

// A CF_HDROP block: the header with the list's offset and wide flag, then the list's bytes.
std::vector<uint8_t> drop_block(uint32_t offset, bool wide, const std::string& list_bytes) {
    std::vector<uint8_t> b(20, 0);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(offset >> (8 * i));
    b[16] = wide ? 1 : 0;
    b.insert(b.end(), list_bytes.begin(), list_bytes.end());
    return b;
}

TEST(ClipText, DroppedFileListMustEndInsideItsBlock) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::vector<uint8_t> block;
        bool want;
    };
    const Case cases[] = {
        {"one wide name", drop_block(20, true, "C\0:\0\0\0\0\0"s), true},
        {"two narrow names", drop_block(20, false, "a\0b\0\0"s), true},
        {"list further in", drop_block(24, false, "\xFF\xFF\xFF\xFF" "a\0\0"s), true},
        {"no name", drop_block(20, true, "\0\0\0\0"s), false},
        {"name without its end", drop_block(20, true, "C\0:\0"s), false},
        {"one zero only", drop_block(20, true, "C\0:\0\0\0"s), false},
        {"last zero cut in half", drop_block(20, true, "C\0\0\0\0"s), false},
        {"zero bytes across two units", drop_block(20, true, "\x01\0\0\x01"s), false},
        {"offset past the end", drop_block(4000, true, "C\0\0\0\0\0"s), false},
        {"offset at the end", drop_block(26, true, "C\0\0\0\0\0"s), false},
        {"offset inside the header", drop_block(4, false, "a\0\0"s), false},
        {"header cut short", std::vector<uint8_t>(19, 0), false},
    };
    for (const Case& c : cases) EXPECT_EQ(dropped_files_within(c.block.data(), c.block.size()), c.want) << c.what;
    EXPECT_FALSE(dropped_files_within(nullptr, 100));
}

TEST(ClipText, SwatchLayoutTruncates) {
    const std::optional<SwatchLayout> one = swatch_layout(1.0f);
    ASSERT_TRUE(one);
    EXPECT_EQ(*one, (SwatchLayout{180, 116, 70, 15, 12, {12, 70, 168, 95}, {12, 91, 168, 116}}));
    const std::optional<SwatchLayout> big = swatch_layout(1.75f);
    ASSERT_TRUE(big);
    // 315 x 203, band 122 (122.5), fonts 26 (26.25) and 21, pad 21; middle 122 + 81 / 2 = 162.
    EXPECT_EQ(*big, (SwatchLayout{315, 203, 122, 26, 21, {21, 122, 294, 164}, {21, 160, 294, 203}}));
    EXPECT_FALSE(swatch_layout(0.0f));
    EXPECT_FALSE(swatch_layout(0.005f));
}

TEST(ClipText, TextImageSize) {
    const TextImageLayout one = text_image_layout(1.0f);
    EXPECT_EQ(one, (TextImageLayout{560, 16, 40, 1600, 14}));
    EXPECT_EQ(text_image_layout(1.25f), (TextImageLayout{700, 20, 50, 2000, 17}));
    EXPECT_EQ(text_image_layout(1.5f).font, 24);
    EXPECT_EQ(text_image_layout(1.1f).font, 18);  // round(17.6)

    struct Case {
        int32_t w, h;
        std::optional<TextImageSize> want;
    };
    const Case cases[] = {
        {300, 40, TextImageSize{328, 68, {14, 14, 314, 54}}},
        {10, 19, TextImageSize{68, 47, {14, 14, 54, 33}}},       // narrow text: at least 40 wide
        {560, 5000, TextImageSize{588, 1628, {14, 14, 574, 1614}}},  // tall text: cut at 1600
        {0, 0, TextImageSize{68, 28, {14, 14, 54, 14}}},
        {-5, -5, TextImageSize{68, 28, {14, 14, 54, 14}}},
        {561, 19, TextImageSize{588, 47, {14, 14, 574, 33}}},  // a word past the wrap width is cut there
        {INT32_MAX, 19, TextImageSize{588, 47, {14, 14, 574, 33}}},
    };
    for (const Case& c : cases) EXPECT_EQ(text_image_size(one, c.w, c.h), c.want) << c.w << "x" << c.h;
    EXPECT_FALSE(text_image_size(TextImageLayout{}, 0, 0));
}
