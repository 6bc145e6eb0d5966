#include "capture/dim.h"

#include <algorithm>
#include <system_error>
#include <thread>

void dim_pixels(std::span<const uint32_t> src, std::span<uint32_t> dst) {
    const size_t n = std::min(src.size(), dst.size());
    const uint32_t* s = src.data();
    uint32_t* d = dst.data();
    for (size_t i = 0; i < n; ++i) d[i] = dim_pixel(s[i]);
}

std::vector<PixelRange> dim_chunks(size_t count) {
    std::vector<PixelRange> chunks;
    if (count == 0) return chunks;
    const size_t size = std::max<size_t>(1, count / MAX_DIM_THREADS + (count % MAX_DIM_THREADS != 0));
    for (size_t at = 0; at < count; at += size) chunks.push_back({at, std::min(count, at + size)});
    return chunks;
}

void dim_pixels_parallel(std::span<const uint32_t> src, std::span<uint32_t> dst) {
    const size_t n = std::min(src.size(), dst.size());
    std::vector<std::jthread> workers;
    workers.reserve(MAX_DIM_THREADS);
    for (const PixelRange& c : dim_chunks(n)) {
        const auto s = src.subspan(c.begin, c.end - c.begin);
        const auto d = dst.subspan(c.begin, c.end - c.begin);
        try {
            workers.emplace_back([s, d] { dim_pixels(s, d); });
        } catch (const std::system_error&) {
            dim_pixels(s, d);  // no thread to be had: this chunk on the caller's
        }
    }
}

void dim_screen(std::span<const uint32_t> src, std::span<uint32_t> dst) {
    if (std::min(src.size(), dst.size()) < PARALLEL_DIM_MIN_PIXELS) dim_pixels(src, dst);
    else dim_pixels_parallel(src, dst);
}
