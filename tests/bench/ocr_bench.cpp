// Text assembly and the choice by script run on every recognition, after the engine: both
// must stay far below what a user notices (goal: under 5 ms each).
#include <benchmark/benchmark.h>

#include "ocr/ocr_assemble.h"
#include "ocr/ocr_choose.h"

namespace {

constexpr int32_t W = 1920, H = 1080;

// 60 lines of about 17 words, a thin-stroked glyph under each word and a ring in every third
// gap, so that the background, the gaps and the ring test all do their work.
struct Page {
    std::vector<uint32_t> px = std::vector<uint32_t>(static_cast<size_t>(W) * H, 0xFFFFFFFFu);
    std::vector<OcrLine> lines;

    void fill(int x0, int y0, int x1, int y1, uint32_t c) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) px[static_cast<size_t>(y) * W + x] = c;
    }

    Page() {
        const char* texts[] = {"中", "文字", "识别", "2024", "年", "abc", "测试"};
        int n = 0;
        for (int row = 0; row < 60; ++row) {
            const int top = 16 + row * 17;
            OcrLine line;
            const int words = row < 40 ? 17 : 16;  // 1,000 words in all
            for (int i = 0; i < words; ++i, ++n) {
                const int x = 16 + i * 110;
                fill(x, top + 6, x + 80, top + 8, 0xFF000000u);
                fill(x + 39, top, x + 41, top + 14, 0xFF000000u);
                if (i % 3 == 0) {
                    fill(x + 84, top + 8, x + 90, top + 14, 0xFF000000u);
                    fill(x + 86, top + 10, x + 88, top + 12, 0xFFFFFFFFu);
                }
                line.words.push_back({texts[n % 7], static_cast<float>(x), static_cast<float>(top), 80, 14});
            }
            lines.push_back(std::move(line));
        }
    }
};

void bm_assemble_ocr_text(benchmark::State& state) {
    const Page page;
    size_t words = 0;
    for (const OcrLine& l : page.lines) words += l.words.size();
    AssembledText t;
    for (auto _ : state) {
        t = assemble_ocr_text(page.lines, {page.px, W, H});
        benchmark::DoNotOptimize(t.assembled.data());
    }
    state.counters["words"] = static_cast<double>(words);
    // Full stops recovered from the rings (the work the goal is about).
    size_t marks = 0;
    for (size_t at = 0; (at = t.lines.find("\u3002", at)) != std::string::npos; at += 3) ++marks;
    state.counters["marks"] = static_cast<double>(marks);
}
BENCHMARK(bm_assemble_ocr_text)->Unit(benchmark::kMillisecond);

std::vector<OcrLine> result_lines(const char* const* texts, size_t count, float shift) {
    std::vector<OcrLine> lines;
    for (int row = 0; row < 200; ++row) {
        OcrLine line;
        for (int i = 0; i < 5; ++i)
            line.words.push_back({texts[(row + i) % count], 16 + i * 60 + shift, 16 + row * 24.0f, 50, 20});
        lines.push_back(std::move(line));
    }
    return lines;
}

void bm_choose_best_ocr(benchmark::State& state) {
    const char* han[] = {"中文", "识别", "Ab1", "..."};
    const char* latin[] = {"Hello", "Ab1", "world", "x"};
    const char* korean[] = {"한국어", "안녕", "ok", "서울"};
    const std::vector<OcrLine> primary = result_lines(han, 4, 0);
    const std::vector<TaggedOcrResult> others = {{"en-US", result_lines(latin, 4, 2)}, {"ko-KR", result_lines(korean, 4, -2)}};
    for (auto _ : state) {
        std::vector<OcrLine> out = choose_best_ocr("zh-CN", primary, others);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(bm_choose_best_ocr)->Unit(benchmark::kMillisecond);

}  // namespace
