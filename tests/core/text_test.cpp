#include <gtest/gtest.h>

#include "util/text.h"

TEST(ToWide, EmptyGivesOnlyTheNul) {
    const std::wstring w = to_wide("");
    EXPECT_EQ(w.size(), 0u);
    EXPECT_EQ(w.c_str()[0], L'\0');
}

TEST(ToWide, AstralCharacterBecomesASurrogatePair) {
    const std::wstring w = to_wide("\xF0\x9F\x98\x80");  // U+1F600
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(static_cast<unsigned>(w[0]), 0xD83Du);
    EXPECT_EQ(static_cast<unsigned>(w[1]), 0xDE00u);
}

TEST(ToWide, EmbeddedNulIsKept) {
    const std::wstring w = to_wide(std::string_view("a\0b", 3));
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[1], L'\0');
}

TEST(Utf8ToUtf16, InvalidBytesBecomeReplacementCharacters) {
    struct Case { std::string in; std::u16string out; };
    const Case cases[] = {
        {"\xFF", u"\uFFFD"},
        {"a\xC3", u"a\uFFFD"},              // truncated sequence
        {"\xC0\xAF", u"\uFFFD\uFFFD"},      // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
        {"\xE2\x82\xAC", u"\u20AC"},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8_to_utf16(c.in), c.out) << c.in;
}

TEST(Utf16RoundTrip, KeepsAllPlanes) {
    const std::string s = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";
    EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(s)), s);
    EXPECT_EQ(utf16_to_utf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(TruncateUtf16, NeverSplitsAPair) {
    const std::u16string s = u"ab\U0001F600";
    EXPECT_EQ(truncate_utf16(s, 3), u"ab");
    EXPECT_EQ(truncate_utf16(s, 4), s);
    EXPECT_EQ(truncate_utf16(std::u16string(80, u'x'), 63).size(), 63u);
}

TEST(Trim, UsesUnicodeWhiteSpaceButNotTheBom) {
    EXPECT_EQ(trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(trim("\xE3\x80\x80x\xC2\xA0"), "x");          // U+3000, U+00A0
    EXPECT_EQ(trim("\xEF\xBB\xBFx "), "\xEF\xBB\xBFx");     // U+FEFF stays
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim("   "), "");
}
