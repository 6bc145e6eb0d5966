#include <algorithm>

#include "qr_fixtures.h"

namespace {

void fill(TestImage& image, size_t x, size_t y, size_t w, size_t h, uint32_t colour) {
    const size_t r = std::min(x + w, image.width), b = std::min(y + h, image.height);
    for (size_t j = y; j < b; ++j)
        for (size_t i = x; i < r; ++i) image.pixels[j * image.width + i] = colour;
}

}  // namespace

TestImage blank_image(size_t width, size_t height, uint32_t colour) {
    return {std::vector<uint32_t>(width * height, colour), width, height};
}

TestImage screenshot_like_image(size_t width, size_t height) {
    TestImage image = blank_image(width, height, 0x3A6EA5);  // desktop
    fill(image, 40, 30, width - 80, height - 60, 0xF3F3F3);  // window
    fill(image, 40, 30, width - 80, 32, 0x2B579A);          // title bar
    // Lines of "words": blocks of varying width, deterministic.
    uint32_t seed = 12345;
    for (size_t y = 90; y + 14 < height - 40; y += 24) {
        size_t x = 70;
        while (x < width - 120) {
            seed = seed * 1103515245 + 12345;
            const size_t w = 12 + (seed >> 16) % 70;
            fill(image, x, y, w, 12, (seed >> 8) % 5 == 0 ? 0x1F4E99 : 0x202020);
            x += w + 8;
        }
    }
    return image;
}

size_t drawn_qr_size(const QrFixture& code, size_t module) { return (code.size + 8) * module; }

void draw_qr(TestImage& image, const QrFixture& code, size_t x, size_t y, size_t module, uint32_t dark,
             uint32_t light) {
    fill(image, x, y, drawn_qr_size(code, module), drawn_qr_size(code, module), light);
    for (size_t row = 0; row < code.size; ++row)
        for (size_t col = 0; col < code.size; ++col)
            if (code.rows[row][col] == '#')
                fill(image, x + (col + 4) * module, y + (row + 4) * module, module, module, dark);
}
