// The overlay's geometry under any pointer position, selection, monitor and scale: the toolbar's
// hit test names only an item or cell that holds the point and never a separator, the block
// stays at or right of and below the bounds' top-left, the magnifier reads only pixels of the
// bitmap, and the colour texts stay in their ranges.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "capture/magnifier.h"
#include "capture/overlay_layout.h"
#include "capture/readout_text.h"
#include "capture/selection_frame.h"
#include "support/fuzz_input.h"
#include "toolbar/toolbar_layout.h"
#include "toolbar/toolbar_paint.h"
#include "toolbar/toolbar_tooltip.h"

namespace {

Rect read_rect(FuzzInput& in) {
    const int32_t l = in.number<int16_t>(), t = in.number<int16_t>();
    return Rect{l, t, l + static_cast<int32_t>(in.number<uint16_t>() / 4), t + static_cast<int32_t>(in.number<uint16_t>() / 4)};
}

float read_scale(FuzzInput& in) {
    switch (in.below(8)) {
        case 0: return NAN;
        case 1: return 0.0f;
        case 2: return 1.0f;
        default: return 0.25f + static_cast<float>(in.number<uint16_t>() % 1600) / 200.0f;  // up to 8.25
    }
}

TextSize measure(std::string_view text) { return {static_cast<int32_t>(text.size()) * 7, 16}; }

void check_hit(const ToolbarLayout& l, int32_t x, int32_t y) {
    const ToolbarHit hit = toolbar_hit_test(l, x, y);
    switch (hit.kind) {
        case HitKind::Button: {
            FUZZ_CHECK(hit.value != static_cast<uint8_t>(ToolbarItem::Separator));
            bool found = false;
            for (const ToolbarButton& b : l.items) found = found || (static_cast<uint8_t>(b.id) == hit.value && b.rect.contains(x, y));
            FUZZ_CHECK(found);
            break;
        }
        case HitKind::Background: FUZZ_CHECK(l.toolbar.contains(x, y) || l.option_row.contains(x, y)); break;
        case HitKind::Outside: FUZZ_CHECK(!l.toolbar.contains(x, y) && !l.option_row.contains(x, y)); break;
        default: {
            bool found = false;
            for (const OptionCell& c : l.cells)
                found = found || (static_cast<uint8_t>(c.kind) == static_cast<uint8_t>(hit.kind) && c.value == hit.value &&
                                  c.rect.contains(x, y));
            FUZZ_CHECK(found);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const float scale = read_scale(in);
    const Rect sel = read_rect(in), bounds = read_rect(in);
    const bool pin_edit = in.flag();
    const auto tool_id = static_cast<uint8_t>(in.below(13));
    const std::optional<Tool> tool = tool_id < 12 ? std::optional<Tool>(static_cast<Tool>(tool_id)) : std::nullopt;

    const ToolbarLayout l = layout_toolbar(sel, bounds, scale, pin_edit, tool, measure);
    FUZZ_CHECK(l.toolbar.l >= bounds.l && l.toolbar.t >= bounds.t);
    ToolbarPaintState paint;
    paint.hover = toolbar_hit_test(l, in.number<int16_t>(), in.number<int16_t>());
    paint.press = in.flag() ? paint.hover : TOOLBAR_OUTSIDE;
    paint.editor.color = in.number<uint32_t>();
    paint.editor.tool = static_cast<Tool>(in.below(12));
    (void)toolbar_paint_plan(l, paint);
    (void)toolbar_tooltip(l, paint.hover, MouseState::Idle, bounds, measure);

    for (size_t step = 0; step < 16 && !in.empty(); ++step) {
        const int32_t x = in.number<int16_t>(), y = in.number<int16_t>();
        check_hit(l, x, y);
        FUZZ_CHECK(static_cast<uint8_t>(hit_test_handles(scale, sel, x, y)) <= 8);

        const int32_t bw = in.number<uint16_t>() % 4096, bh = in.number<uint16_t>() % 4096;
        const MagnifierGeometry g = magnifier_geometry(x, y, bounds, scale, bw, bh);
        if (!g.source.empty()) {
            FUZZ_CHECK(g.source.l >= 0 && g.source.t >= 0 && g.source.r <= bw && g.source.b <= bh);
            FUZZ_CHECK(g.target.l >= g.lens.l && g.target.r <= g.lens.r && g.target.t >= g.lens.t && g.target.b <= g.lens.b);
        }
        (void)size_label_place(sel, measure(size_label_text(sel, in.flag())), bounds, scale);

        const uint32_t colour = in.number<uint32_t>();
        FUZZ_CHECK(color_to_text(colour, ColorFormat::Hex).size() == 7);
        int h = -1, s = -1, lum = -1;
        FUZZ_CHECK(std::sscanf(color_to_text(colour, ColorFormat::Hsl).c_str(), "hsl(%d, %d%%, %d%%)", &h, &s, &lum) == 3);
        FUZZ_CHECK(h >= 0 && h <= 360 && s >= 0 && s <= 100 && lum >= 0 && lum <= 100);

        LayoutParts parts;
        parts.selection = layout_selection_rect(std::nullopt, MouseState::Selecting, true, sel.l, sel.t, x, y,
                                                std::nullopt, bw, bh);
        parts.magnifier = g.rect;
        const OverlayLayout next = overlay_layout(parts, scale);
        FUZZ_CHECK(next.parts.size() <= 9);
        (void)layout_changes(OverlayLayout{sel, {}}, next, {});
    }
    return 0;
}
