// Scroll stitching: one tick's stitch of a 1000x800 region (the 16 ms timer's budget is 2 ms),
// the first column detection, and stitching a whole 20,000-row document.
#include <benchmark/benchmark.h>

#include <random>

#include "scroll/scroll_columns.h"
#include "scroll/stitch.h"
#include "support/scroll_pages.h"

using namespace scroll_pages;

namespace {
constexpr int32_t WIDTH = 1000, VIEW = 800, STEP = 40;

const Page& page() {
    static const Page p = [] {
        std::mt19937 rng(42);
        return text_page(rng, WIDTH, VIEW, 20000, 40, 20, 3);
    }();
    return p;
}

// One tick: the frame 40 rows further on, compared, appended; the reference then steps back so
// every iteration does the same work.
void BM_StitchNextFrame1000x800(benchmark::State& state) {
    const Pixels a = page().frame(0), b = page().frame(STEP);
    const StitchState start = make_stitch_state(a, WIDTH, page().rows(), 0, WIDTH);
    StitchState s = start;
    for (auto _ : state) {
        state.PauseTiming();
        s.previous = start.previous;
        s.previous_signatures = start.previous_signatures;
        s.previous_uniform = start.previous_uniform;
        s.stitched.resize(start.stitched.size());
        s.committed_row = 0;
        state.ResumeTiming();
        benchmark::DoNotOptimize(stitch_next_frame(s, b));
    }
}
BENCHMARK(BM_StitchNextFrame1000x800)->Unit(benchmark::kMillisecond);

// An unchanged tick costs only the signatures and the in-place comparison.
void BM_StitchSameFrame1000x800(benchmark::State& state) {
    const Pixels a = page().frame(0);
    StitchState s = make_stitch_state(a, WIDTH, page().rows(), 0, WIDTH);
    for (auto _ : state) benchmark::DoNotOptimize(stitch_next_frame(s, a));
}
BENCHMARK(BM_StitchSameFrame1000x800)->Unit(benchmark::kMillisecond);

void BM_FindScrollColumns1000x800(benchmark::State& state) {
    const Pixels a = page().frame(0), b = page().frame(STEP);
    for (auto _ : state) benchmark::DoNotOptimize(find_scroll_columns({a, b, WIDTH, page().rows()}));
}
BENCHMARK(BM_FindScrollColumns1000x800)->Unit(benchmark::kMillisecond);

// The whole document, 40 rows per frame: about 500 frames into a 20,060-row image.
void BM_StitchDocument20000Rows(benchmark::State& state) {
    std::vector<Pixels> frames;
    for (int32_t pos = 0; pos <= page().max_scroll(); pos += STEP) frames.push_back(page().frame(pos));
    int32_t rows = 0;
    for (auto _ : state) {
        StitchState s = make_stitch_state(frames[0], WIDTH, page().rows(), 0, WIDTH);
        for (size_t i = 1; i < frames.size(); ++i) benchmark::DoNotOptimize(stitch_next_frame(s, frames[i]));
        rows = stitched_height(s);
    }
    state.counters["rows"] = rows;
    state.counters["frames"] = static_cast<double>(frames.size());
}
BENCHMARK(BM_StitchDocument20000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
