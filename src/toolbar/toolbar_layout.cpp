#include "toolbar/toolbar_layout.h"

#include <algorithm>

#include "capture/auto_select.h"
#include "strings/ui_strings.h"
#include "util/rect_ops.h"
#include "util/scaled.h"

namespace {

// A row's width: its margins, its items and the gaps between them.
int64_t row_width(const std::vector<int32_t>& widths, const ToolbarMetrics& m) {
    int64_t w = 2 * int64_t{m.margin};
    for (int32_t x : widths) w += x;
    if (!widths.empty()) w += int64_t{m.gap} * static_cast<int64_t>(widths.size() - 1);
    return w;
}

std::vector<OptionCell> option_cells(Tool tool, const ToolbarMetrics& m, const MeasureText& measure,
                                     std::vector<int32_t>& widths) {
    std::vector<OptionCell> cells;
    auto add = [&](OptionKind kind, uint8_t value, int32_t width) {
        cells.push_back({Rect{}, kind, value});
        widths.push_back(width);
    };
    for (uint8_t k = 0; k < 3; ++k) add(OptionKind::Size, k, m.cell);
    add(OptionKind::Separator, 0, m.separator);
    for (uint8_t k = 0; k < PALETTE.size(); ++k) add(OptionKind::Colour, k, m.cell);
    add(OptionKind::CustomColour, 0, m.cell);
    const auto switches = tool_style_switches(tool);
    if (!switches.empty()) add(OptionKind::Separator, 0, m.separator);
    for (StyleSwitch s : switches) {
        const int32_t label = measure ? std::max(measure(ui_text(style_switch_label(s))).cx, 0) : 0;
        add(OptionKind::StyleSwitch, static_cast<uint8_t>(s), saturate_i32(int64_t{m.switch_pad} + label));
    }
    return cells;
}

}  // namespace

ToolbarMetrics toolbar_metrics(float s) {
    return {scaled_round(32, s), scaled_round(11, s), scaled_round(2, s), scaled_round(4, s),
            scaled_round(26, s), scaled_round(18, s), scaled_round(8, s)};
}

Rect ToolbarLayout::block() const { return unite(toolbar, option_row); }

Rect toolbar_bounds(const Rect& monitor, const std::optional<Rect>& work_area) {
    if (!work_area) return monitor;
    const Rect cut = intersect(monitor, *work_area);
    return cut.empty() ? monitor : cut;
}

ToolbarLayout layout_toolbar(const Rect& sel, const Rect& bounds, float scale, bool pin_edit,
                             std::optional<Tool> tool, const MeasureText& measure) {
    const ToolbarMetrics m = toolbar_metrics(scale);
    ToolbarLayout out;
    out.scale = scale;
    out.pin_edit = pin_edit;
    out.option_tool = tool;

    std::vector<int32_t> item_widths;
    for (ToolbarItem id : toolbar_tool_order(pin_edit)) {
        out.items.push_back({Rect{}, id});
        item_widths.push_back(id == ToolbarItem::Separator ? m.separator : m.button);
    }
    const int64_t bar_w = row_width(item_widths, m);
    const int64_t bar_h = int64_t{m.button} + 2 * int64_t{m.margin};

    std::vector<int32_t> cell_widths;
    if (tool) out.cells = option_cells(*tool, m, measure, cell_widths);
    const int64_t row_w = tool ? row_width(cell_widths, m) : 0;
    const int64_t row_h = tool ? int64_t{m.cell} + 2 * int64_t{m.margin} : 0;

    // Below the selection; above it when the bounds end first; inside its lower edge when
    // neither fits. The lower of the two bottoms is the smaller one: only that keeps the gap
    // inside both the selection and the bounds.
    const int64_t block_h = bar_h + (tool ? m.margin + row_h : 0);
    int64_t top = int64_t{sel.b} + m.offset;
    if (bounds.b < top + block_h) {
        top = int64_t{sel.t} - m.offset - block_h;
        if (top < bounds.t) top = int64_t{std::min(sel.b, bounds.b)} - m.offset - block_h;
    }
    top = std::min(top, int64_t{bounds.b} - block_h);
    top = std::max(top, int64_t{bounds.t});

    const int64_t right = std::min(bounds.r, sel.r);
    const int64_t bar_l = std::max(right - bar_w, int64_t{bounds.l});
    out.toolbar = {saturate_i32(bar_l), saturate_i32(top), saturate_i32(bar_l + bar_w), saturate_i32(top + bar_h)};

    auto place = [&](auto& list, const std::vector<int32_t>& widths, int64_t left, int64_t row_top, int32_t h) {
        int64_t x = left + m.margin;
        const int64_t y = row_top + m.margin;
        for (size_t i = 0; i < list.size(); ++i) {
            list[i].rect = {saturate_i32(x), saturate_i32(y), saturate_i32(x + widths[i]), saturate_i32(y + h)};
            x += int64_t{widths[i]} + m.gap;
        }
    };
    place(out.items, item_widths, bar_l, top, m.button);

    if (tool) {
        const int64_t row_l = std::max(right - row_w, int64_t{bounds.l});
        const int64_t row_t = top + bar_h + m.margin;
        out.option_row = {saturate_i32(row_l), saturate_i32(row_t), saturate_i32(row_l + row_w), saturate_i32(row_t + row_h)};
        place(out.cells, cell_widths, row_l, row_t, m.cell);
    }
    return out;
}

ToolbarHit toolbar_hit_test(const std::optional<ToolbarLayout>& layout, int32_t x, int32_t y) {
    if (!layout) return TOOLBAR_OUTSIDE;
    for (const ToolbarButton& b : layout->items)
        if (b.id != ToolbarItem::Separator && b.rect.contains(x, y))
            return {HitKind::Button, static_cast<uint8_t>(b.id)};
    for (const OptionCell& c : layout->cells)
        if (c.kind != OptionKind::Separator && c.rect.contains(x, y))
            return {static_cast<HitKind>(c.kind), c.value};
    if (layout->toolbar.contains(x, y) || layout->option_row.contains(x, y)) return {HitKind::Background, 0};
    return TOOLBAR_OUTSIDE;
}

std::vector<Rect> separator_lines(const ToolbarLayout& layout) {
    const float s = layout.scale;
    const ToolbarMetrics m = toolbar_metrics(s);
    const int32_t w = std::max(scaled_round(1, s), 1);
    std::vector<Rect> lines;
    auto add = [&](const Rect& r, int32_t from, int32_t to) {
        const int64_t l = int64_t{r.l} + m.separator / 2;
        const Rect line{saturate_i32(l), saturate_i32(int64_t{r.t} + from), saturate_i32(l + w), saturate_i32(int64_t{r.t} + to)};
        if (!line.empty()) lines.push_back(line);
    };
    const int32_t bar_from = scaled_round(6, s);
    const int32_t bar_to = m.button - scaled_round(12, s) + bar_from;
    for (const ToolbarButton& b : layout.items)
        if (b.id == ToolbarItem::Separator) add(b.rect, bar_from, bar_to);
    const int32_t row_from = scaled_round(5, s);
    const int32_t row_to = m.cell - scaled_round(10, s) + row_from;
    for (const OptionCell& c : layout.cells)
        if (c.kind == OptionKind::Separator) add(c.rect, row_from, row_to);
    return lines;
}
