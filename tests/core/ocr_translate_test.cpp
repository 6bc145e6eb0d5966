#include <gtest/gtest.h>

#include "ocr/translate.h"

TEST(TranslateTarget, ChineseTextIsNotTranslatedIntoChinese) {
    struct Case {
        const char* what;
        std::string text, to, lang, target;
    };
    const Case cases[] = {
        {"4 Han and 2 Latin", "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97\xE9\xAB\x94" "ab", "zh-TW", "en", "en"},
        {"2 Han and 5 Latin", "\xE4\xB8\xAD\xE6\x96\x87" "abcde", "zh-TW", "en", "zh-TW"},
        {"UI language when none set", "\xE4\xBD\xA0\xE5\xA5\xBD", "", "zh-CN", "en"},
        {"case of the target ignored", "\xE4\xBD\xA0\xE5\xA5\xBD", "ZH-hk", "en", "en"},
        {"other targets kept", "\xE4\xBD\xA0\xE5\xA5\xBD", "de", "zh-CN", "de"},
        {"half is not more than half", "\xE4\xB8\xAD\xE6\x96\x87" "ab", "zh-TW", "en", "zh-TW"},
        {"kana count as letters", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88",
         "zh-CN", "en", "zh-CN"},
        {"digits count", "\xE4\xB8\xAD\xE6\x96\x87" "123", "zh-TW", "en", "zh-TW"},
        {"punctuation does not", "\xE4\xB8\xAD\xE6\x96\x87!!! ...", "zh-TW", "en", "en"},
        {"extension B ideographs", "\xF0\xA0\x80\x80\xF0\xA0\x80\x81" "a", "zh", "en", "en"},
        {"Cyrillic letters count", "\xE4\xB8\xAD\xD0\xB4\xD0\xB0", "zh-CN", "en", "zh-CN"},
        {"no letters at all", "...", "zh-CN", "en", "zh-CN"},
        {"a bare z is not Chinese", "\xE4\xBD\xA0", "z", "en", "z"},
    };
    for (const Case& c : cases) EXPECT_EQ(translate_target(c.text, c.to, c.lang), c.target) << c.what;
}

TEST(TranslateUrl, TextIsPercentEncodedByteByByte) {
    struct Case {
        std::string text, encoded;
    };
    const Case cases[] = {
        {" ", "%20"},   {"/", "%2F"},     {"\xC3\xBC", "%C3%BC"}, {"aZ09-_.~", "aZ09-_.~"},
        {"%", "%25"},   {"+&=?#", "%2B%26%3D%3F%23"},            {"\n\x7F", "%0A%7F"},
        {"", ""},       {std::string("\0", 1), "%00"},
    };
    for (const Case& c : cases) EXPECT_EQ(percent_encode(c.text), c.encoded) << c.text;
}

TEST(TranslateUrl, PlaceholdersAreFilled) {
    const std::string url = "https://translate.example/?sl=auto&tl={to}&text={text}";
    EXPECT_EQ(build_translate_url("a b/\xC3\xBC", "de", url, "en"),
              "https://translate.example/?sl=auto&tl=de&text=a%20b%2F%C3%BC");
    EXPECT_EQ(build_translate_url("x", "", url, "ja"), "https://translate.example/?sl=auto&tl=ja&text=x");
    EXPECT_EQ(build_translate_url("x y", "fr", "{text}|{text}|{to}{to}", "en"), "x%20y|x%20y|frfr");
    // A "{to}" in the text stays text: its braces are encoded.
    EXPECT_EQ(build_translate_url("{to}", "fr", "q={text}", "en"), "q=%7Bto%7D");
}

TEST(TranslateUrl, EightThousandBytesOpenOneMoreDoesNot) {
    const std::string url = "https://t.example/{to}/{text}";  // 18 bytes around the text with "en"
    const std::string fits = build_translate_url(std::string(8000 - 21, 'a'), "", url, "en");
    ASSERT_EQ(fits.size(), 8000u);
    EXPECT_TRUE(translate_url_fits(fits));
    const std::string over = build_translate_url(std::string(8000 - 20, 'a'), "", url, "en");
    ASSERT_EQ(over.size(), 8001u);
    EXPECT_FALSE(translate_url_fits(over));
}

TEST(TextAsUrl, OnlyOneLinkWithoutWhiteSpace) {
    struct Case {
        std::string text;
        std::optional<std::string> url;
    };
    const Case cases[] = {
        {"  HTTPS://X/y  ", "HTTPS://X/y"},
        {"http://example.com", "http://example.com"},
        {"hTtP://x", "hTtP://x"},
        {"\xE3\x80\x80https://x\r\n", "https://x"},  // ideographic space and CR LF trimmed
        {"https://example.com/a\n\nsecond code", std::nullopt},
        {"https://a b", std::nullopt},
        {"https://x\xC2\xA0y", std::nullopt},         // no-break space inside
        {"https://x\xE2\x80\x8By", "https://x\xE2\x80\x8By"},  // zero-width space is not white space
        {"ftp://x", std::nullopt},
        {"www.example.com", std::nullopt},
        {"http:/x", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(text_as_url(c.text), c.url) << c.text;
}
