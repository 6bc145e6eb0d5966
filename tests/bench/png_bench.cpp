// PNG encoding of a 1920 x 1080 capture, and our share of it (the row conversion).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "image/png_writer.h"

namespace {

constexpr uint32_t W = 1920;
constexpr uint32_t H = 1080;

// A desktop-like picture: flat panels, a title bar, rows of text-like strokes, a gradient and
// a small photo-like patch.
const std::vector<uint32_t>& screenshot() {
    static const std::vector<uint32_t> pixels = [] {
        std::vector<uint32_t> px(static_cast<size_t>(W) * H, 0xFFF3F3F3u);
        uint32_t seed = 99;
        const auto rnd = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        for (uint32_t y = 0; y < H; ++y) {
            for (uint32_t x = 0; x < W; ++x) {
                uint32_t& p = px[static_cast<size_t>(y) * W + x];
                if (y < 32) p = 0xFF2B579Au;                                    // title bar
                else if (x < 280) p = 0xFFE6E6E6u;                              // side panel
                else if (y > 760 && x > 1400) p = 0xFF000000u | (x * 255 / W) << 16 | (y * 255 / H) << 8 | 0x60u;
            }
        }
        // Text: 18-pixel lines of short dark strokes with 1-pixel anti-aliased edges.
        for (uint32_t line = 60; line + 14 < 740; line += 18) {
            uint32_t x = 300;
            while (x < 1850) {
                const uint32_t word = 12 + rnd() % 60;
                for (uint32_t gx = x; gx < x + word && gx < 1880; gx += 2 + rnd() % 3) {
                    const uint32_t top = line + rnd() % 4, bottom = line + 10 + rnd() % 4;
                    for (uint32_t y = top; y < bottom; ++y) {
                        px[static_cast<size_t>(y) * W + gx] = 0xFF202020u;
                        px[static_cast<size_t>(y) * W + gx + 1] = 0xFF9A9A9Au;
                    }
                }
                x += word + 8;
            }
        }
        for (uint32_t y = 800; y < 1040; ++y) {
            for (uint32_t x = 300; x < 620; ++x) px[static_cast<size_t>(y) * W + x] = 0xFF000000u | (rnd() >> 8);
        }
        return px;
    }();
    return pixels;
}

class DiscardSink final : public ByteSink {
public:
    Status write(const uint8_t* data, size_t size) override {
        benchmark::DoNotOptimize(data);
        bytes += size;
        return {};
    }
    size_t bytes = 0;
};

void BM_EncodePng1080p(benchmark::State& state) {
    const std::vector<uint32_t>& px = screenshot();
    size_t bytes = 0;
    for (auto _ : state) {
        DiscardSink sink;
        const Status s = encode_png(px.data(), px.size(), W, H, sink);
        if (!s) state.SkipWithError(s.error().message.c_str());
        bytes = sink.bytes;
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodePng1080p)->Unit(benchmark::kMillisecond);

void BM_EncodePng1080pToMemory(benchmark::State& state) {
    const std::vector<uint32_t>& px = screenshot();
    for (auto _ : state) {
        MemorySink sink;
        sink.bytes.reserve(4 << 20);
        const Status s = encode_png(px.data(), px.size(), W, H, sink);
        if (!s) state.SkipWithError(s.error().message.c_str());
        benchmark::DoNotOptimize(sink.bytes.data());
    }
}
BENCHMARK(BM_EncodePng1080pToMemory)->Unit(benchmark::kMillisecond);

void BM_BgrxToRgbRows1080p(benchmark::State& state) {
    const std::vector<uint32_t>& px = screenshot();
    std::vector<uint8_t> row(static_cast<size_t>(W) * 3);
    for (auto _ : state) {
        for (uint32_t y = 0; y < H; ++y) {
            bgrx_to_rgb_row(px.data() + static_cast<size_t>(y) * W, row.data(), W);
            benchmark::DoNotOptimize(row.data());
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(BM_BgrxToRgbRows1080p)->Unit(benchmark::kMillisecond);

}  // namespace
