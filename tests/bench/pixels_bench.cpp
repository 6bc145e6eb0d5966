// A 4K capture goes through these on every copy and every pin rotation.
#include <benchmark/benchmark.h>

#include <numeric>

#include "image/pixels.h"

namespace {

constexpr int32_t W = 3840;
constexpr int32_t H = 2160;

std::vector<uint32_t> frame() {
    std::vector<uint32_t> px(static_cast<size_t>(W) * H);
    std::iota(px.begin(), px.end(), 0u);
    return px;
}

void bm_write_cf_dib(benchmark::State& state) {
    const std::vector<uint32_t> px = frame();
    std::vector<uint8_t> out(*cf_dib_size(W, H));
    for (auto _ : state) {
        write_cf_dib(px, W, H, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(bm_write_cf_dib)->Unit(benchmark::kMillisecond);

void bm_rotate_pixels(benchmark::State& state) {
    const std::vector<uint32_t> px = frame();
    std::vector<uint32_t> out(px.size());
    for (auto _ : state) {
        rotate_pixels(px, W, H, state.range(0) != 0, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(bm_rotate_pixels)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
