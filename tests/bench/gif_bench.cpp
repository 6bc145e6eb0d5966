// The GIF writer's share of a recording's encoder thread, per 800 x 600 frame, with an exact
// quantiser standing in for WIC.
#include <benchmark/benchmark.h>

#include <random>

#include "exact_quantizer.h"
#include "record/gif_writer.h"

namespace {

constexpr uint32_t W = 800, H = 600;

// Screen-like content: flat panels, lines of "text" in a few greys, a 64-step gradient, a box.
std::vector<uint32_t> screen(uint32_t box_x) {
    std::vector<uint32_t> px(size_t{W} * H);
    std::mt19937 rng(5);
    for (uint32_t y = 0; y < H; ++y) {
        for (uint32_t x = 0; x < W; ++x) {
            uint32_t v;
            if (x < 200) {
                v = 0xF3F3F3;
            } else if (y < 40) {
                v = (x / 12) % 64 * 0x030201u;
            } else if (y % 20 < 12 && x % 7 < 5) {
                v = (rng() % 4) * 0x404040u;
            } else {
                v = 0xFFFFFF;
            }
            px[size_t{y} * W + x] = 0xFF000000u | v;
        }
    }
    for (uint32_t y = 300; y < 360; ++y) {
        for (uint32_t x = box_x; x < box_x + 60; ++x) px[size_t{y} * W + x] = 0xFFE53B30u;
    }
    return px;
}

class NullSink final : public ByteSink {
public:
    Status write(const uint8_t*, size_t size) override {
        bytes += size;
        return {};
    }
    size_t bytes = 0;
};

// One whole GIF of the single frame per iteration, with the bytes written per GIF.
void encode_single_frames(benchmark::State& state, const std::vector<uint32_t>& px) {
    ExactQuantizer quantizer;
    NullSink sink;
    for (auto _ : state) {
        GifEncoder encoder(sink, quantizer, W, H);
        (void)encoder.begin();
        (void)encoder.add({px, 0.0});
        (void)encoder.finish();
    }
    state.counters["bytes"] = static_cast<double>(sink.bytes) / static_cast<double>(state.iterations());
}

// A whole first frame: changed rectangle, quantising, LZW, sub-blocks.
void bm_gif_full_frame(benchmark::State& state) { encode_single_frames(state, screen(300)); }
BENCHMARK(bm_gif_full_frame)->Unit(benchmark::kMillisecond);

// The worst case for the coder: 256 colours of noise, every pixel a new pair.
void bm_gif_noise_frame(benchmark::State& state) {
    std::vector<uint32_t> px(size_t{W} * H);
    std::mt19937 rng(9);
    for (uint32_t& p : px) p = 0xFF000000u | (rng() % 256) * 0x010101u;
    encode_single_frames(state, px);
}
BENCHMARK(bm_gif_noise_frame)->Unit(benchmark::kMillisecond);

// A box moving 8 pixels per frame: the row comparison of the whole frame, then a small rectangle.
void bm_gif_moving_box(benchmark::State& state) {
    std::vector<std::vector<uint32_t>> frames;
    for (uint32_t i = 0; i < 16; ++i) frames.push_back(screen(220 + i * 8));
    ExactQuantizer quantizer;
    NullSink sink;
    GifEncoder encoder(sink, quantizer, W, H);
    (void)encoder.begin();
    size_t i = 0;
    double t = 0;
    for (auto _ : state) {
        (void)encoder.add({frames[i++ % frames.size()], t});
        t += 1.0 / 15;
    }
    (void)encoder.finish();
}
BENCHMARK(bm_gif_moving_box)->Unit(benchmark::kMillisecond);

}  // namespace
