// Dimming the frozen screen of a 1920x1080 capture: serial and on the capture's threads.
#include <benchmark/benchmark.h>

#include <vector>

#include "capture/dim.h"

namespace {
constexpr size_t PIXELS = 1920 * 1080;

std::vector<uint32_t> screen() {
    std::vector<uint32_t> px(PIXELS);
    uint32_t v = 0x12345678;
    for (uint32_t& p : px) p = v = v * 1664525u + 1013904223u;
    return px;
}

void BM_DimSerial1080p(benchmark::State& state) {
    const auto src = screen();
    std::vector<uint32_t> dst(PIXELS);
    for (auto _ : state) {
        dim_pixels(src, dst);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PIXELS * 4);
}
BENCHMARK(BM_DimSerial1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DimParallel1080p(benchmark::State& state) {
    const auto src = screen();
    std::vector<uint32_t> dst(PIXELS);
    for (auto _ : state) {
        dim_pixels_parallel(src, dst);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PIXELS * 4);
}
BENCHMARK(BM_DimParallel1080p)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

