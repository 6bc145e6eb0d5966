// libFuzzer harness for scroll stitching: a document of rows picked from a small set (so shifts,
// repeats and blank rows occur), frames of it at the positions the input names, some pixels
// flipped; column detection, stitching and the session core must hold their invariants.
// Build: clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -Isrc tests/fuzz/stitch_fuzz.cpp
//        src/scroll/*.cpp src/util/fatal.cpp src/strings/table_en.cpp; seeds in corpus/stitch/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "scroll/scroll_columns.h"
#include "scroll/scroll_core.h"
#include "scroll/stitch.h"

namespace {
struct Input {
    const uint8_t* p;
    size_t n;
    uint8_t byte() {
        if (n == 0) return 0;
        --n;
        return *p++;
    }
};

void check(bool ok) {
    if (!ok) std::abort();
}

uint32_t row_pixel(uint32_t kind, int32_t x) {
    if (kind % 5 == 0) return 0xFFFFFF;  // blank rows
    uint32_t v = (kind * 2654435761u) ^ (static_cast<uint32_t>(x / (1 + kind % 7)) * 40503u);
    v ^= v >> 13;
    return (v * 0x9E3779B1u) >> 8;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const int32_t width = 1 + in.byte() % 72;
    const int32_t rows = 1 + in.byte() % 40;
    const uint32_t kinds = 1 + in.byte() % 32;
    const int32_t doc_rows = rows + in.byte() % 120;
    std::vector<uint32_t> doc(static_cast<size_t>(width) * static_cast<size_t>(doc_rows));
    for (int32_t y = 0; y < doc_rows; ++y) {
        const uint32_t kind = in.byte() % kinds;
        for (int32_t x = 0; x < width; ++x) doc[static_cast<size_t>(y * width + x)] = row_pixel(kind, x);
    }
    const auto frame = [&](int32_t pos) {
        return std::vector<uint32_t>(doc.begin() + pos * width, doc.begin() + (pos + rows) * width);
    };
    const int32_t span = doc_rows - rows + 1;

    std::vector<uint32_t> first = frame(in.byte() % span);
    std::vector<uint32_t> second = frame(in.byte() % span);
    if (const auto cols = find_scroll_columns({first, second, width, rows})) {
        check(cols->first >= 0 && cols->end <= width && cols->end - cols->first >= SCROLL_MIN_COLUMNS);
    }

    const int32_t x0 = in.byte() % width;
    const int32_t x1 = x0 + 1 + in.byte() % (width - x0);
    StitchState s = make_stitch_state(first, width, rows, x0, x1);
    const Rect region{0, 0, width, rows};
    std::optional<ScrollCore> core = ScrollCore::start(region, region);
    int64_t now = 0;
    if (core && in.byte() % 2) core->toggle_auto(now);

    while (in.n > 0) {
        std::vector<uint32_t> f = frame(in.byte() % span);
        const uint8_t flips = in.byte() % 4;
        for (uint8_t i = 0; i < flips; ++i) f[(size_t{in.byte()} * 131u + in.byte()) % f.size()] ^= 0x010203u << (i % 3);
        const ScrollMatch m = stitch_next_frame(s, f);
        check(s.stitched.size() % static_cast<size_t>(x1 - x0) == 0);
        check(stitched_height(s) >= rows);
        check(s.committed_row >= 0 && s.committed_row <= rows);
        check(m.kind != ScrollMatchKind::Added || (m.shift > 0 && m.shift < rows));
        check(m.kind != ScrollMatchKind::Back || (m.shift < 0 && -m.shift < rows));
        const int32_t keep = stitched_result_width(s);
        check(keep >= 1 && keep <= x1 - x0);

        if (core && core->begin_tick()) {
            const ScrollActions a = core->on_grab(f, now, {in.byte() % 64, 0});
            if (a.preview) {
                const ScrollImageView v = core->preview_source();
                check(v.pixels.size() == static_cast<size_t>(v.width) * static_cast<size_t>(v.rows));
            }
        }
        now += 16;
    }
    if (core) {
        if (const auto img = core->result_image())
            check(img->pixels.size() == static_cast<size_t>(img->width) * static_cast<size_t>(img->height));
    }
    return 0;
}
