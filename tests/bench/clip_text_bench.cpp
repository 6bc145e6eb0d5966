// Pinning clipboard text before anything is drawn: the largest text another program can hand
// over (1,000,000 UTF-16 units, read to its end, converted, trimmed, tested as a colour code and
// cut to 5,000 code points), and a colour code.
#include <benchmark/benchmark.h>

#include <string>

#include "pin/clip_text.h"
#include "util/text.h"

namespace {

std::u16string big_block() {
    std::u16string text;
    const std::u16string line = u"Grüße, 世界 — a line of copied text with \U0001F600 in it\r\n";
    while (text.size() + line.size() <= CLIPBOARD_TEXT_MAX_UNITS) text += line;
    text.resize(CLIPBOARD_TEXT_MAX_UNITS + 100, u' ');  // trailing white space, no NUL
    return text;
}

void BM_ClipboardTextMillionUnits(benchmark::State& state) {
    const std::u16string block = big_block();
    for (auto _ : state) {
        const size_t n = clipboard_text_length(block.data(), block.size() * 2);
        const ClipTextImage image = clip_text_image(utf16_to_utf8(std::u16string_view(block.data(), n)));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_ClipboardTextMillionUnits)->Unit(benchmark::kMillisecond);

void BM_ClipboardColourCode(benchmark::State& state) {
    const std::string text = "  rgba(10, 20, 30, 0.5)\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(clip_text_image(text));
}
BENCHMARK(BM_ClipboardColourCode);

}  // namespace
