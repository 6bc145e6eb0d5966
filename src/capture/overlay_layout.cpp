#include "capture/overlay_layout.h"

#include <algorithm>

#include "capture/auto_select.h"
#include "capture/selection_frame.h"
#include "util/rect_ops.h"
#include "util/scaled.h"

std::optional<Rect> layout_selection_rect(const std::optional<Rect>& confirmed, MouseState mouse_state,
                                          bool drag_moved, int32_t start_x, int32_t start_y, int32_t cursor_x,
                                          int32_t cursor_y, const std::optional<Rect>& hovered, int32_t width,
                                          int32_t height) {
    if (mouse_state == MouseState::Selecting && drag_moved) {
        const int64_t l = std::min(start_x, cursor_x), t = std::min(start_y, cursor_y);
        const int64_t r = int64_t{std::max(start_x, cursor_x)} + 1, b = int64_t{std::max(start_y, cursor_y)} + 1;
        const Rect drag{saturate_i32(l), saturate_i32(t), saturate_i32(r), saturate_i32(b)};
        const Rect clipped = intersect(drag, Rect{0, 0, std::max(width, 0), std::max(height, 0)});
        if (clipped.empty()) return std::nullopt;
        return clipped;
    }
    // Until a press has moved, a release takes the hovered rectangle: show that one.
    if (confirmed && mouse_state != MouseState::Selecting) return confirmed;
    return hovered;
}

OverlayLayout overlay_layout(const LayoutParts& in, float scale) {
    OverlayLayout out;
    if (in.selection && !in.selection->empty()) out.selection = in.selection;
    auto add = [&out](const std::optional<Rect>& r) {
        if (r && !r->empty()) out.parts.push_back(*r);
    };
    if (out.selection) {
        for (const Rect& strip : frame_strips(*out.selection, scale)) add(strip);
        add(in.size_label);
        add(in.toolbar);
        add(in.tooltip);
    }
    Rect box;
    if (in.annotation_bounds) box = grow(*in.annotation_bounds, scaled_round(7, scale) + 4);
    if (in.text_box) box = unite(box, grow(*in.text_box, 6));
    add(box);
    if (in.magnifier) add(grow(*in.magnifier, 2));
    return out;
}

std::vector<Rect> layout_changes(const OverlayLayout& before, const OverlayLayout& after,
                                 const std::vector<Rect>& dirty) {
    std::vector<Rect> out;
    if (before.selection != after.selection)
        out = symmetric_difference(before.selection.value_or(Rect{}), after.selection.value_or(Rect{}));
    for (const auto* list : {&before.parts, &after.parts, &dirty})
        for (const Rect& r : *list)
            if (!r.empty()) out.push_back(r);
    return out;
}
