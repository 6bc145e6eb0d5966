#pragma once
// QR codes for the tests (module matrices made by libqrencode, see make-fixtures.sh) and
// screenshot-like pixel images to draw them into. Platform-free.
#include <cstddef>
#include <cstdint>
#include <vector>

struct QrFixture {
    const char* const* rows;  // '#' dark module, '.' light
    size_t size;              // modules per side
};

extern const QrFixture QR_URL;         // "https://example.com/a"
extern const QrFixture QR_SECOND;      // "second code"
extern const QrFixture QR_UTF8;        // "Grüße aus Köln" as UTF-8 bytes, no character set declared
extern const QrFixture QR_UTF8_BOM;    // "mit BOM" after a UTF-8 byte-order mark
extern const QrFixture QR_SJIS_BYTES;  // "東京タワー ﾃｽﾄ" as Shift-JIS bytes (byte mode)
extern const QrFixture QR_SJIS_KANJI;  // "日本語の文字" in kanji mode
extern const QrFixture QR_LATIN1;      // "Grüße" as Latin-1 bytes, no character set declared
extern const QrFixture QR_ECI_LATIN1;  // "Grüße" as Latin-1 bytes, declared ISO 8859-1 (ECI 3)
extern const QrFixture QR_ECI_UTF8;    // "Köln" as UTF-8 bytes, declared UTF-8 (ECI 26)

// Pixels as a capture holds them: one 32-bit value per pixel, blue in the low byte.
struct TestImage {
    std::vector<uint32_t> pixels;
    size_t width = 0;
    size_t height = 0;
};

inline constexpr uint32_t QR_BLACK = 0x000000;
inline constexpr uint32_t QR_WHITE = 0xFFFFFF;

TestImage blank_image(size_t width, size_t height, uint32_t colour);
// A desktop-like picture: a window frame, a title bar and lines of word-like blocks.
TestImage screenshot_like_image(size_t width, size_t height);
// Draws the code with its four-module quiet zone at (x, y), `module` pixels per module.
void draw_qr(TestImage& image, const QrFixture& code, size_t x, size_t y, size_t module,
             uint32_t dark = QR_BLACK, uint32_t light = QR_WHITE);
// The side in pixels of a drawn code, quiet zone included.
size_t drawn_qr_size(const QrFixture& code, size_t module);
