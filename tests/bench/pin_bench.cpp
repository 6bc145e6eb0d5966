// A pin's image transforms on a 1920x1080 picture: the work of one menu choice after its copy.
#include <benchmark/benchmark.h>

#include <vector>

#include "pin/pin_pixels.h"

namespace {
constexpr int32_t W = 1920, H = 1080;

std::vector<uint32_t> picture() {
    std::vector<uint32_t> px(static_cast<size_t>(W) * H);
    uint32_t v = 0x12345678;
    for (uint32_t& p : px) p = v = v * 1664525u + 1013904223u;
    return px;
}

template <void (*Op)(std::span<uint32_t>, int32_t, int32_t)>
void BM_Flip(benchmark::State& state) {
    auto px = picture();
    for (auto _ : state) {
        Op(px, W, H);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * W * H * 4);
}
BENCHMARK(BM_Flip<flip_h>)->Name("BM_PinFlipH1080p")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flip<flip_v>)->Name("BM_PinFlipV1080p")->Unit(benchmark::kMillisecond);

template <void (*Op)(std::span<uint32_t>)>
void BM_Colour(benchmark::State& state) {
    const auto src = picture();
    for (auto _ : state) {
        state.PauseTiming();
        auto px = src;  // grey of grey is cheap: start from colour each time
        state.ResumeTiming();
        Op(px);
        benchmark::DoNotOptimize(px.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * W * H * 4);
}
BENCHMARK(BM_Colour<grayscale>)->Name("BM_PinGrayscale1080p")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Colour<invert>)->Name("BM_PinInvert1080p")->Unit(benchmark::kMillisecond);
}  // namespace
