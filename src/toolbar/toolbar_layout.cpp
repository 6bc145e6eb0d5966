#include "toolbar/toolbar_layout.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "strings/ui_strings.h"
#include "util/rect_ops.h"
#include "util/scaled.h"

namespace {

// One row's width: its margins, its items and the gaps between them.
int64_t row_width(const std::vector<int32_t>& widths, size_t from, size_t to, const ToolbarMetrics& m) {
    int64_t w = 2 * int64_t{m.margin};
    for (size_t i = from; i < to; ++i) w += widths[i];
    if (to > from) w += int64_t{m.gap} * static_cast<int64_t>(to - from - 1);
    return w;
}

// Items [from, to) of one row; separators at a row's ends are left out.
struct RowSpan {
    size_t from = 0, to = 0;
};

// Rows filled greedily up to `limit` wide; with `at_separators` a row ends only before a
// separator or at the end. None when some piece alone is wider than the limit.
std::optional<std::vector<RowSpan>> fill_rows(const std::vector<int32_t>& widths, const std::vector<bool>& separator,
                                              int64_t limit, bool at_separators, const ToolbarMetrics& m) {
    std::vector<RowSpan> rows;
    const size_t n = widths.size();
    size_t from = 0;
    while (from < n) {
        while (from < n && separator[from]) ++from;
        if (from >= n) break;
        size_t best = 0;
        for (size_t to = from + 1; to <= n; ++to) {
            if (row_width(widths, from, to, m) > limit) break;
            const bool can_end = !separator[to - 1] && (!at_separators || to == n || separator[to]);
            if (can_end) best = to;
        }
        if (best == 0) return std::nullopt;
        rows.push_back({from, best});
        from = best;
    }
    return rows;
}

// As few rows as fit in `limit`, as evenly filled as that number allows; breaking between
// groups (at separators) where the groups fit, else between any two items. One row when
// everything fits.
std::vector<RowSpan> wrap_rows(const std::vector<int32_t>& widths, const std::vector<bool>& separator, int64_t limit,
                               const ToolbarMetrics& m) {
    const int64_t whole = row_width(widths, 0, widths.size(), m);
    if (whole <= limit || widths.empty()) return {RowSpan{0, widths.size()}};
    int64_t widest = 0;
    for (size_t i = 0; i < widths.size(); ++i)
        if (!separator[i]) widest = std::max(widest, row_width(widths, i, i + 1, m));
    limit = std::max(limit, widest);  // a single item wider than the bounds still gets its row
    for (const bool at_separators : {true, false}) {
        const auto fewest = fill_rows(widths, separator, limit, at_separators, m);
        if (!fewest) continue;
        // The narrowest limit that needs no more rows: the rows come out even.
        int64_t lo = widest, hi = limit;
        while (lo < hi) {
            const int64_t mid = lo + (hi - lo) / 2;
            const auto rows = fill_rows(widths, separator, mid, at_separators, m);
            if (rows && rows->size() <= fewest->size()) hi = mid;
            else lo = mid + 1;
        }
        return *fill_rows(widths, separator, lo, at_separators, m);
    }
    return {RowSpan{0, widths.size()}};  // not reached: items alone always fit the widened limit
}

// Lays the pieces out in rows from (left + P, top + P): each row `height` high, rows G apart;
// returns the block's width and height (margins included). Separators dropped at a row's ends
// are left out of `kept`.
template <typename Item>
std::pair<int64_t, int64_t> place_rows(std::vector<Item>& list, const std::vector<int32_t>& widths,
                                       const std::vector<RowSpan>& rows, int64_t left, int64_t top, int32_t height,
                                       const ToolbarMetrics& m) {
    std::vector<Item> kept;
    int64_t width = 2 * int64_t{m.margin};
    int64_t y = top + m.margin;
    for (const RowSpan& row : rows) {
        int64_t x = left + m.margin;
        for (size_t i = row.from; i < row.to; ++i) {
            Item item = list[i];
            item.rect = {saturate_i32(x), saturate_i32(y), saturate_i32(x + widths[i]), saturate_i32(y + height)};
            kept.push_back(item);
            x += int64_t{widths[i]} + m.gap;
        }
        width = std::max(width, row_width(widths, row.from, row.to, m));
        y += int64_t{height} + m.gap;
    }
    list = std::move(kept);
    const int64_t count = static_cast<int64_t>(std::max<size_t>(rows.size(), 1));
    return {width, count * height + (count - 1) * m.gap + 2 * int64_t{m.margin}};
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

Rect toolbar_monitor(const std::vector<Rect>& monitors, const Rect& sel, const Rect& nearest) {
    const Rect* best = nullptr;
    int64_t best_area = 0;
    const bool corner_known = !sel.empty();
    for (const Rect& m : monitors) {
        const int64_t area = intersect(m, sel).area();
        if (area == 0) continue;
        // Equal shares: the monitor that holds the selection's bottom-right pixel.
        const bool corner = corner_known && m.contains(saturate_i32(int64_t{sel.r} - 1), saturate_i32(int64_t{sel.b} - 1));
        if (!best || area > best_area || (area == best_area && corner)) {
            best = &m;
            best_area = area;
        }
    }
    return best ? *best : nearest;
}

ToolbarLayout layout_toolbar(const Rect& sel, const Rect& bounds, float scale, bool pin_edit,
                             std::optional<Tool> tool, const MeasureText& measure) {
    const ToolbarMetrics m = toolbar_metrics(scale);
    ToolbarLayout out;
    out.scale = scale;
    out.pin_edit = pin_edit;
    out.option_tool = tool;
    const int64_t limit = bounds.width64();

    std::vector<int32_t> item_widths;
    std::vector<bool> item_separator;
    for (ToolbarItem id : toolbar_tool_order(pin_edit)) {
        out.items.push_back({Rect{}, id});
        item_separator.push_back(id == ToolbarItem::Separator);
        item_widths.push_back(id == ToolbarItem::Separator ? m.separator : m.button);
    }
    // Every button stays on the monitor: where one row is wider, the items go in more rows.
    const std::vector<RowSpan> bar_rows = wrap_rows(item_widths, item_separator, limit, m);

    std::vector<int32_t> cell_widths;
    std::vector<bool> cell_separator;
    std::vector<RowSpan> cell_rows;
    if (tool) {
        out.cells = option_cells(*tool, m, measure, cell_widths);
        for (const OptionCell& c : out.cells) cell_separator.push_back(c.kind == OptionKind::Separator);
        cell_rows = wrap_rows(cell_widths, cell_separator, limit, m);
    }

    // Sizes first (placed at the origin), then the block is moved into place.
    const auto [bar_w, bar_h] = place_rows(out.items, item_widths, bar_rows, 0, 0, m.button, m);
    int64_t row_w = 0, row_h = 0;
    if (tool) std::tie(row_w, row_h) = place_rows(out.cells, cell_widths, cell_rows, 0, 0, m.cell, m);

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

    // Right-aligned with the selection, shifted to stay inside the bounds on both sides.
    const int64_t right = std::min(bounds.r, sel.r);
    auto left_for = [&](int64_t w) { return std::max(std::min(right - w, int64_t{bounds.r} - w), int64_t{bounds.l}); };
    auto shift = [](auto& list, int64_t dx, int64_t dy) {
        for (auto& item : list)
            item.rect = {saturate_i32(item.rect.l + dx), saturate_i32(item.rect.t + dy), saturate_i32(item.rect.r + dx),
                         saturate_i32(item.rect.b + dy)};
    };
    const int64_t bar_l = left_for(bar_w);
    out.toolbar = {saturate_i32(bar_l), saturate_i32(top), saturate_i32(bar_l + bar_w), saturate_i32(top + bar_h)};
    shift(out.items, bar_l, top);

    if (tool) {
        const int64_t row_l = left_for(row_w);
        const int64_t row_t = top + bar_h + m.margin;
        out.option_row = {saturate_i32(row_l), saturate_i32(row_t), saturate_i32(row_l + row_w), saturate_i32(row_t + row_h)};
        shift(out.cells, row_l, row_t);
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
