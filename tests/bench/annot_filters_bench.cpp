// The processed copies behind Mosaic annotations for a full-screen 1920x1080 area: the mosaic
// copy, and the blurred copy serial and on the filter's threads.
#include <benchmark/benchmark.h>

#include <vector>

#include "annot/pixel_filters.h"

namespace {
constexpr int32_t W = 1920, H = 1080;

std::vector<uint32_t> screen() {
    std::vector<uint32_t> px(static_cast<size_t>(W) * H);
    uint32_t v = 0x12345678;
    for (uint32_t& p : px) p = v = v * 1664525u + 1013904223u;
    return px;
}

void BM_MosaicCopy1080p(benchmark::State& state) {
    const auto src = screen();
    std::vector<uint32_t> px;
    for (auto _ : state) {
        px = src;  // the copy is part of the work: the crop is filtered in place
        mosaic_pixels(px, W, H, 0, 0);
        benchmark::DoNotOptimize(px.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MosaicCopy1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BlurredCopy1080p(benchmark::State& state) {
    const auto src = screen();
    const auto threads = static_cast<size_t>(state.range(0));
    std::vector<uint32_t> px, scratch;
    for (auto _ : state) {
        px = src;
        blur_pixels(px, W, H, scratch, threads);
        benchmark::DoNotOptimize(px.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlurredCopy1080p)->Arg(1)->Arg(8)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace
