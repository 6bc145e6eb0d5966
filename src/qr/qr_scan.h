#pragma once
// Finding the QR codes in a selection: the grey images, the attempts and the gathering of
// texts around a decoder. Platform-free.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One look at the selection: each source pixel becomes a scale × scale block; inverted reads
// light codes on a dark ground as dark on light.
struct QrAttempt {
    uint32_t scale = 1;
    bool inverted = false;
    friend bool operator==(const QrAttempt&, const QrAttempt&) = default;
};

// The doubled attempt (four times the pixels) only for selections up to this many pixels.
inline constexpr uint64_t QR_DOUBLING_MAX_PIXELS = 1'500'000;

// (1, plain), (1, inverted), then (2, plain) for selections of at most QR_DOUBLING_MAX_PIXELS.
std::vector<QrAttempt> qr_attempts(size_t width, size_t height);

// (77 R + 150 G + 29 B) >> 8 of a pixel (blue in the low byte), XOR 0xFF when inverted.
uint8_t qr_grey(uint32_t pixel, bool inverted);

// The grey image of an attempt, scale × width by scale × height bytes, rows from the top.
// Empty when the pixels do not hold width × height values or the size does not fit in memory.
std::vector<uint8_t> qr_grey_image(std::span<const uint32_t> pixels, size_t width, size_t height, QrAttempt attempt);

// What is asked of a QR-code decoder: the data bytes of every symbol it finds in a grey image,
// in its own order; symbols that fail to decode are left out.
class QrDecoder {
public:
    virtual ~QrDecoder() = default;
    virtual std::vector<std::string> decode(std::span<const uint8_t> grey, size_t width, size_t height) = 0;
};

// The texts of the QR codes in the pixels (one 32-bit value per pixel, blue low, rows from the
// top): the attempts in order until one finds a text; the texts in the decoder's order as
// UTF-8 (qr_text_from_bytes), none twice. Empty when no attempt finds one.
std::vector<std::string> qr_scan(std::span<const uint32_t> pixels, size_t width, size_t height, QrDecoder& decoder);
