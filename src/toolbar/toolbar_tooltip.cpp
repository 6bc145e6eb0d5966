#include "toolbar/toolbar_tooltip.h"

#include <algorithm>

#include "strings/ui_strings.h"
#include "util/scaled.h"

std::optional<ToolbarTooltip> toolbar_tooltip(const ToolbarLayout& layout, const ToolbarHit& hover,
                                              MouseState mouse_state, const Rect& bounds,
                                              const MeasureText& measure) {
    if (mouse_state != MouseState::Idle) return std::nullopt;
    ToolbarTooltip tip;
    std::optional<Rect> anchor;
    if (hover.kind == HitKind::Button) {
        for (const ToolbarButton& b : layout.items)
            if (static_cast<uint8_t>(b.id) == hover.value && b.id != ToolbarItem::Separator) anchor = b.rect;
        tip.text = item_tooltip(static_cast<ToolbarItem>(hover.value), layout.pin_edit);
    } else if (hover.kind == HitKind::CustomColour) {
        for (const OptionCell& c : layout.cells)
            if (c.kind == OptionKind::CustomColour) anchor = c.rect;
        tip.text = ui_text(TOOL_CUSTOM_COLOR);
    }
    if (!anchor || tip.text.empty()) return std::nullopt;

    const float s = layout.scale;
    const TextSize extent = measure ? measure(tip.text) : TextSize{};
    const int64_t w = int64_t{std::max(extent.cx, 0)} + scaled_trunc(14, s);
    const int64_t h = int64_t{std::max(extent.cy, 0)} + scaled_trunc(8, s);

    // Each half is truncated toward zero on its own.
    int64_t left = int64_t{anchor->l} + anchor->width64() / 2 - w / 2;
    left = std::min(left, int64_t{bounds.r} - w);
    left = std::max(left, int64_t{bounds.l});

    const Rect block = layout.block();
    int64_t top = int64_t{block.t} - scaled_trunc(6, s) - h;
    if (top < bounds.t) top = int64_t{block.b} + scaled_trunc(6, s);

    tip.rect = {saturate_i32(left), saturate_i32(top), saturate_i32(left + w), saturate_i32(top + h)};
    return tip;
}
