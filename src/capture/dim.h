#pragma once
// Dimming the frozen screen: every colour channel halved (rounded down), fourth byte 0.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr size_t MAX_DIM_THREADS = 8;

inline uint32_t dim_pixel(uint32_t p) { return (p >> 1) & 0x7F7F7Fu; }

// dst[i] = dim_pixel(src[i]) for the common length of both.
void dim_pixels(std::span<const uint32_t> src, std::span<uint32_t> dst);

struct PixelRange {
    size_t begin = 0;
    size_t end = 0;
    friend bool operator==(const PixelRange&, const PixelRange&) = default;
};

// Consecutive ranges of ceil(count / 8) pixels (at least 1), so at most 8 of them; none for 0.
std::vector<PixelRange> dim_chunks(size_t count);

// dim_pixels with each chunk of dim_chunks on its own scoped thread, all joined on return.
void dim_pixels_parallel(std::span<const uint32_t> src, std::span<uint32_t> dst);

// Below this many pixels one thread dims sooner than eight are started and joined: natively a
// 1920x1080 screen takes 0.68 ms on one against 1.54 ms on eight (thread starts included), and
// one thread's 0.33 ms per million pixels meets the starts' fixed cost at about 5 to 8 million
// (one 3840x2160 monitor); under Wine a thread start costs several milliseconds more.
inline constexpr size_t PARALLEL_DIM_MIN_PIXELS = 8'000'000;

// The frozen screen dimmed: on the caller's thread below PARALLEL_DIM_MIN_PIXELS, else on up to
// eight scoped threads.
void dim_screen(std::span<const uint32_t> src, std::span<uint32_t> dst);
