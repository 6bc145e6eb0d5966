#include "qr/qr_scan.h"

#include <algorithm>

#include "qr/qr_text.h"

namespace {

// Bytes of a grey image at this scale, or 0 when it would not fit in memory.
size_t grey_size(size_t width, size_t height, uint32_t scale) {
    size_t w = 0, h = 0, n = 0;
    if (__builtin_mul_overflow(width, scale, &w) || __builtin_mul_overflow(height, scale, &h) ||
        __builtin_mul_overflow(w, h, &n))
        return 0;
    return n;
}

}  // namespace

std::vector<QrAttempt> qr_attempts(size_t width, size_t height) {
    std::vector<QrAttempt> attempts{{1, false}, {1, true}};
    size_t pixels = 0;
    if (!__builtin_mul_overflow(width, height, &pixels) && pixels <= QR_DOUBLING_MAX_PIXELS)
        attempts.push_back({2, false});
    return attempts;
}

uint8_t qr_grey(uint32_t pixel, bool inverted) {
    const uint32_t b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
    const auto grey = static_cast<uint8_t>((77 * r + 150 * g + 29 * b) >> 8);
    return inverted ? static_cast<uint8_t>(grey ^ 0xFF) : grey;
}

std::vector<uint8_t> qr_grey_image(std::span<const uint32_t> pixels, size_t width, size_t height, QrAttempt attempt) {
    const uint32_t k = attempt.scale;
    if (k == 0 || width == 0 || height == 0 || pixels.size() / width < height) return {};
    const size_t size = grey_size(width, height, k);
    if (size == 0) return {};
    std::vector<uint8_t> grey(size);
    const size_t out_width = width * k;
    uint8_t* out = grey.data();
    for (size_t y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + y * width;
        uint8_t* first = out;
        for (size_t x = 0; x < width; ++x) {
            const uint8_t v = qr_grey(row[x], attempt.inverted);
            for (uint32_t i = 0; i < k; ++i) *out++ = v;
        }
        // The other rows of the block repeat the first.
        for (uint32_t i = 1; i < k; ++i) {
            std::copy_n(first, out_width, out);
            out += out_width;
        }
    }
    return grey;
}

std::vector<std::string> qr_scan(std::span<const uint32_t> pixels, size_t width, size_t height, QrDecoder& decoder) {
    std::vector<std::string> texts;
    for (const QrAttempt& attempt : qr_attempts(width, height)) {
        const std::vector<uint8_t> grey = qr_grey_image(pixels, width, height, attempt);
        if (grey.empty()) continue;
        for (const std::string& data : decoder.decode(grey, width * attempt.scale, height * attempt.scale)) {
            std::string text = qr_text_from_bytes(data);
            if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
        }
        if (!texts.empty()) break;
    }
    return texts;
}
