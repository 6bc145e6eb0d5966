// One QR code in a full-HD screenshot: the worker's whole path (a scanner for the job, grey
// image, attempts until found) against zbar alone on the grey image. Goal: under 150 ms.
#include <benchmark/benchmark.h>

#include "qr/qr_scan.h"
#include "qr/zbar_decoder.h"
#include "qr_fixtures.h"

namespace {

const TestImage& screenshot() {
    static const TestImage image = [] {
        TestImage im = screenshot_like_image(1920, 1080);
        draw_qr(im, QR_URL, 1500, 700, 3);
        return im;
    }();
    return image;
}

void bm_qr_worker_path(benchmark::State& state) {
    const TestImage& im = screenshot();
    for (auto _ : state) {
        ZbarQrDecoder zbar;
        std::vector<std::string> texts = qr_scan(im.pixels, im.width, im.height, zbar);
        if (texts.size() != 1) state.SkipWithError("code not found");
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(bm_qr_worker_path)->Unit(benchmark::kMillisecond);

void bm_zbar_alone(benchmark::State& state) {
    const TestImage& im = screenshot();
    const std::vector<uint8_t> grey = qr_grey_image(im.pixels, im.width, im.height, {1, false});
    ZbarQrDecoder zbar;
    for (auto _ : state) {
        std::vector<std::string> found = zbar.decode(grey, im.width, im.height);
        if (found.size() != 1) state.SkipWithError("code not found");
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(bm_zbar_alone)->Unit(benchmark::kMillisecond);

void bm_grey_image(benchmark::State& state) {
    const TestImage& im = screenshot();
    for (auto _ : state) {
        std::vector<uint8_t> grey = qr_grey_image(im.pixels, im.width, im.height, {1, false});
        benchmark::DoNotOptimize(grey.data());
    }
}
BENCHMARK(bm_grey_image)->Unit(benchmark::kMillisecond);

// Nothing to find: every attempt runs (two for a full-HD selection).
void bm_qr_no_code(benchmark::State& state) {
    static const TestImage im = screenshot_like_image(1920, 1080);
    for (auto _ : state) {
        ZbarQrDecoder zbar;
        std::vector<std::string> texts = qr_scan(im.pixels, im.width, im.height, zbar);
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(bm_qr_no_code)->Unit(benchmark::kMillisecond);

}  // namespace
