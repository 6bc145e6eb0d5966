// The overlay's selection under any pointer positions and the personal-data answer turned into
// boxes, from any rectangles the recogniser's words give: every selection stays inside the
// overlay (a move keeps its size), and every box lies inside the scanned selection.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "capture/overlay_action.h"
#include "capture/redact_covers.h"
#include "capture/selection_drag.h"
#include "support/fuzz_input.h"

namespace {

bool inside(const Rect& r, int32_t w, int32_t h) { return !r.empty() && r.l >= 0 && r.t >= 0 && r.r <= w && r.b <= h; }

float any_float(FuzzInput& in) {
    switch (in.below(4)) {
        case 0: return in.number<float>();  // NaN, infinities, huge values
        default: return static_cast<float>(in.number<int16_t>()) / 8.0f;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const int32_t w = in.number<uint16_t>() % 8000 + 1, h = in.number<uint16_t>() % 8000 + 1;
    std::optional<Rect> sel = drag_rect(in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(),
                                        in.number<int32_t>(), w, h);
    if (sel) FUZZ_CHECK(inside(*sel, w, h));
    for (size_t step = 0; step < 12 && sel && !in.empty(); ++step) {
        const int64_t dx = in.number<int32_t>(), dy = in.number<int32_t>();
        if (in.flag()) {
            const Rect moved = move_rect_inside(*sel, dx, dy, w, h);
            FUZZ_CHECK(inside(moved, w, h));
            FUZZ_CHECK(moved.width64() == sel->width64() && moved.height64() == sel->height64());
            sel = moved;
        } else {
            const Rect resized = resize_rect(*sel, static_cast<uint8_t>(in.below(9)), dx, dy, w, h);
            FUZZ_CHECK(inside(resized, w, h));
            sel = resized;
        }
    }
    const ActionCall call = unpack_action(in.number<uint64_t>());
    FUZZ_CHECK(unpack_action(pack_action(call)) == call);

    if (!sel) return 0;
    std::vector<CoverRect> rects;
    for (size_t i = in.below(8); i > 0; --i) rects.push_back({any_float(in), any_float(in), any_float(in), any_float(in)});
    for (const Annotation& a : redact_to_annotations(rects, *sel, 0xFF000000, in.flag())) {
        FUZZ_CHECK(a.points.size() == 2);
        const AnnotationPoint p = a.points[0], q = a.points[1];
        FUZZ_CHECK(p.x >= float(sel->l) && p.y >= float(sel->t) && q.x <= float(sel->r) && q.y <= float(sel->b));
        FUZZ_CHECK(p.x < q.x && p.y < q.y);
        FUZZ_CHECK(std::floor(p.x) == p.x && std::ceil(q.y) == q.y);
    }
    return 0;
}
