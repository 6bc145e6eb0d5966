// The generated Unicode tables, code-point conversion, and the compile-time interface ids.
#include <gtest/gtest.h>

#include "ocr/winrt_iid.h"
#include "util/text.h"
#include "util/unicode.h"

namespace {

TEST(Unicode, Properties) {
    struct Case {
        char32_t c;
        bool alphabetic, numeric, white;
        char32_t lower;
    };
    const Case cases[] = {
        {U'A', true, false, false, U'a'},           {U'z', true, false, false, U'z'},
        {U'5', false, true, false, U'5'},           {U'\u0660', false, true, false, U'\u0660'},  // Arabic-Indic zero
        {U'\u2167', true, true, false, U'\u2177'},  // Roman numeral eight (Nl)
        {U'\u00BD', false, true, false, U'\u00BD'},  // one half (No)
        {U'\u00C9', true, false, false, U'\u00E9'}, {U'\u0130', true, false, false, U'i'},  // simple mapping only
        {U'\u0416', true, false, false, U'\u0436'}, {U'中', true, false, false, U'中'},
        {U' ', false, false, true, U' '},           {U'\u3000', false, false, true, U'\u3000'},
        {U'\uFEFF', false, false, false, U'\uFEFF'}, {U'!', false, false, false, U'!'},
        {U'\U0001D400', true, false, false, U'\U0001D400'}, {U'\U0010FFFF', false, false, false, U'\U0010FFFF'},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(static_cast<uint32_t>(k.c));
        EXPECT_EQ(unicode_is_alphabetic(k.c), k.alphabetic);
        EXPECT_EQ(unicode_is_numeric(k.c), k.numeric);
        EXPECT_EQ(unicode_is_white_space(k.c), k.white);
        EXPECT_EQ(unicode_simple_lower(k.c), k.lower);
    }
}

TEST(Utf32, RoundTripAndReplacement) {
    EXPECT_EQ(utf8_to_utf32("a\xC3\xA9\xF0\x9F\x98\x80"), U"a\u00E9\U0001F600");
    EXPECT_EQ(utf8_to_utf32("a\xFF" "b"), U"a\uFFFDb");
    EXPECT_EQ(utf32_to_utf8(U"\u4E2D"), "\xE4\xB8\xAD");
    EXPECT_EQ(utf32_to_utf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(utf32_to_utf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
}

constexpr std::array<uint8_t, 3> ABC = {'a', 'b', 'c'};
static_assert(winrt_iid::sha1(ABC)[0] == 0xA9 && winrt_iid::sha1(ABC)[19] == 0x9D);

winrt_iid::Guid guid(uint32_t d1, uint16_t d2, uint16_t d3, std::array<uint8_t, 8> d4) { return {d1, d2, d3, d4}; }

TEST(WinrtIid, ParameterisedIdsFollowTheRule) {
    using namespace winrt_iid;
    // Values the runtime's headers give for these instantiations.
    EXPECT_EQ(VECTOR_VIEW_OF_STRING, guid(0x2f13c006, 0xa03a, 0x5f69, {0xb0, 0x90, 0x75, 0xa4, 0x3e, 0x33, 0x42, 0x3e}));
    EXPECT_EQ(VECTOR_VIEW_OF_OCR_LINE, guid(0x60c76eac, 0x8875, 0x5ddb, {0xa1, 0x9b, 0x65, 0xa3, 0x93, 0x62, 0x79, 0xea}));
    EXPECT_EQ(VECTOR_VIEW_OF_LANGUAGE, guid(0x144b0f3d, 0x2d59, 0x5dd2, {0xb0, 0x12, 0x90, 0x8e, 0xc3, 0xe0, 0x64, 0x35}));
    EXPECT_EQ(ASYNC_OPERATION_OF_OCR_RESULT, guid(0xc7d7118e, 0xae36, 0x59c0, {0xac, 0x76, 0x7b, 0xad, 0xee, 0x71, 0x1c, 0x8b}));
    EXPECT_EQ(ASYNC_COMPLETED_OF_OCR_RESULT, guid(0x989c1371, 0x444a, 0x5e7e, {0xb1, 0x97, 0x9e, 0xaa, 0xf9, 0xd2, 0x82, 0x9a}));
    EXPECT_EQ(VECTOR_VIEW_OF_OCR_WORD, guid(0x805a60c7, 0xdf4f, 0x527c, {0x86, 0xb2, 0xe2, 0x9e, 0x43, 0x9a, 0x83, 0xd2}));
}

}  // namespace
