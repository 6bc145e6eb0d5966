// QR text decoding and fixtures through zbar and our worker's path. Built into the native tests
// (Debian's zbar and the C library's iconv) and into the Win32 tests (zbar built from source
// and our iconv).
#include <gtest/gtest.h>

#include <algorithm>

#include "qr/qr_scan.h"
#include "qr/qr_text.h"
#include "qr/zbar_decoder.h"
#include "qr_counting_decoder.h"
#include "qr_fixtures.h"

namespace {

std::vector<std::string> scan(const TestImage& image, QrDecoder& decoder) {
    return qr_scan(image.pixels, image.width, image.height, decoder);
}

TestImage one_code(const QrFixture& code, size_t module = 4, uint32_t dark = QR_BLACK, uint32_t light = QR_WHITE) {
    TestImage image = blank_image(drawn_qr_size(code, module) + 40, drawn_qr_size(code, module) + 40, 0xE0E0E0);
    draw_qr(image, code, 20, 20, module, dark, light);
    return image;
}

}  // namespace

TEST(QrZbar, EachTextComesOutAsEncoded) {
    struct Case {
        const char* what;
        const QrFixture& code;
        std::string text;
    };
    const Case cases[] = {
        {"link", QR_URL, "https://example.com/a"},
        {"UTF-8 without a declared set", QR_UTF8, "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln"},
        {"UTF-8 with a byte-order mark", QR_UTF8_BOM, "mit BOM"},
        {"Shift-JIS bytes", QR_SJIS_BYTES,
         "\xE6\x9D\xB1\xE4\xBA\xAC\xE3\x82\xBF\xE3\x83\xAF\xE3\x83\xBC \xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84"},
        {"kanji mode", QR_SJIS_KANJI, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97"},
        {"Latin-1 without a declared set", QR_LATIN1, "Gr\xC3\xBC\xC3\x9F" "e"},
        {"declared ISO 8859-1", QR_ECI_LATIN1, "Gr\xC3\xBC\xC3\x9F" "e"},
        {"declared UTF-8", QR_ECI_UTF8, "K\xC3\xB6ln"},
    };
    for (const Case& c : cases) {
        ZbarQrDecoder zbar;
        EXPECT_EQ(scan(one_code(c.code), zbar), std::vector<std::string>{c.text}) << c.what;
    }
}

TEST(QrZbar, TwoCodesInAScreenshotAreBothFound) {
    TestImage image = screenshot_like_image(900, 500);
    draw_qr(image, QR_URL, 100, 120, 4);
    draw_qr(image, QR_SECOND, 500, 140, 4);
    ZbarQrDecoder zbar;
    std::vector<std::string> texts = scan(image, zbar);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"https://example.com/a", "second code"}));
}

TEST(QrZbar, TheSameCodeTwiceGivesItsTextOnce) {
    TestImage image = screenshot_like_image(900, 500);
    draw_qr(image, QR_SECOND, 100, 120, 4);
    draw_qr(image, QR_SECOND, 500, 140, 4);
    ZbarQrDecoder zbar;
    // zbar itself reports both symbols.
    const std::vector<uint8_t> grey = qr_grey_image(image.pixels, image.width, image.height, {1, false});
    EXPECT_EQ(zbar.decode(grey, image.width, image.height).size(), 2u);
    EXPECT_EQ(scan(image, zbar), std::vector<std::string>{"second code"});
}

TEST(QrZbar, LightOnDarkIsFoundByTheInvertedAttempt) {
    ZbarQrDecoder zbar;
    CountingDecoder counting(zbar);
    EXPECT_EQ(scan(one_code(QR_URL, 4, QR_WHITE, QR_BLACK), counting), std::vector<std::string>{"https://example.com/a"});
    ASSERT_EQ(counting.calls.size(), 2u);  // plain found nothing, inverted found it, no doubling
}

TEST(QrZbar, PlainCodeStopsAtTheFirstAttempt) {
    ZbarQrDecoder zbar;
    CountingDecoder counting(zbar);
    EXPECT_EQ(scan(one_code(QR_SECOND), counting), std::vector<std::string>{"second code"});
    EXPECT_EQ(counting.calls.size(), 1u);
}

TEST(QrZbar, FullHdScreenshotWithOneSmallCode) {
    TestImage image = screenshot_like_image(1920, 1080);
    draw_qr(image, QR_URL, 1500, 700, 3);
    ZbarQrDecoder zbar;
    EXPECT_EQ(scan(image, zbar), std::vector<std::string>{"https://example.com/a"});
}

TEST(QrZbar, NoCodeGivesNoTextAfterEveryAttempt) {
    const TestImage image = screenshot_like_image(400, 300);
    ZbarQrDecoder zbar;
    CountingDecoder counting(zbar);
    EXPECT_TRUE(scan(image, counting).empty());
    EXPECT_EQ(counting.calls.size(), 3u);
}

TEST(QrText, BytesBecomeTextAsEncoded) {
    struct Case {
        const char* what;
        std::string bytes, text;
    };
    const Case cases[] = {
        {"ASCII", "hello", "hello"},
        {"UTF-8", "Gr\xC3\xBC\xC3\x9F" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
        {"UTF-8 byte-order mark dropped", "\xEF\xBB\xBFok", "ok"},
        {"only the first mark is dropped", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
        {"Shift-JIS", "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC"},
        {"Shift-JIS half-width katakana", "\xC3\xBD\xC4", "\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84"},
        {"Latin-1 when not Shift-JIS", "Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
        {"truncated Shift-JIS falls to Latin-1", "a\x93", "a\xC2\x93"},
        {"empty", "", ""},
        {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) EXPECT_EQ(qr_text_from_bytes(c.bytes), c.text) << c.what;
}
