// The platform-free work of one pointer move over the overlay with a toolbar: the toolbar's
// layout and hit test, its paint plan, and the layout difference that becomes the repaint.
#include <benchmark/benchmark.h>

#include "capture/magnifier.h"
#include "capture/overlay_layout.h"
#include "toolbar/toolbar_layout.h"
#include "toolbar/toolbar_paint.h"

namespace {

TextSize measure(std::string_view text) { return {static_cast<int32_t>(text.size()) * 7, 16}; }

const Rect SELECTION{300, 200, 1500, 800};
const Rect SCREEN{0, 0, 1920, 1080};

void BM_ToolbarLayoutAndHitTest(benchmark::State& state) {
    int32_t x = 700;
    for (auto _ : state) {
        const ToolbarLayout l = layout_toolbar(SELECTION, SCREEN, 1.0f, false, Tool::Mosaic, measure);
        benchmark::DoNotOptimize(toolbar_hit_test(l, x, 830));
        x = x == 1400 ? 700 : x + 1;
    }
}
BENCHMARK(BM_ToolbarLayoutAndHitTest);

void BM_ToolbarPaintPlan(benchmark::State& state) {
    const ToolbarLayout l = layout_toolbar(SELECTION, SCREEN, 1.0f, false, Tool::Mosaic, measure);
    ToolbarPaintState s;
    s.hover = {HitKind::Button, 20};
    for (auto _ : state) benchmark::DoNotOptimize(toolbar_paint_plan(l, s));
}
BENCHMARK(BM_ToolbarPaintPlan);

void BM_OverlayLayoutChanges(benchmark::State& state) {
    int32_t step = 0;
    OverlayLayout before;
    for (auto _ : state) {
        LayoutParts parts;
        parts.selection = Rect{SELECTION.l, SELECTION.t, SELECTION.r + step % 7, SELECTION.b + step % 5};
        parts.magnifier = magnifier_place(parts.selection->r, parts.selection->b, SCREEN, 1.0f);
        OverlayLayout after = overlay_layout(parts, 1.0f);
        benchmark::DoNotOptimize(layout_changes(before, after, {}));
        before = std::move(after);
        ++step;
    }
}
BENCHMARK(BM_OverlayLayoutChanges);

}  // namespace
