#include "capture/readout_text.h"

#include <algorithm>

#include "capture/auto_select.h"
#include "capture/magnifier.h"
#include "strings/ui_strings.h"
#include "util/scaled.h"

ColorFormat next_color_format(ColorFormat format) {
    return static_cast<ColorFormat>((static_cast<uint8_t>(format) + 1) % 3);
}

ColorFormat color_format_after_shift(ColorFormat format, MouseState mouse_state, bool selection_confirmed) {
    return magnifier_shown(mouse_state, selection_confirmed) ? next_color_format(format) : format;
}

std::string size_label_text(const Rect& rect, bool element_label) {
    std::string size = std::to_string(rect.width64()) + " \u00D7 " + std::to_string(rect.height64());
    if (!element_label) return size;
    return std::string(ui_text(DETECT_ELEMENT_LABEL)) + " \u00B7 " + size;
}

Rect size_label_place(const Rect& rect, TextSize text, const Rect& monitor, float scale,
                      const std::optional<Rect>& toolbar) {
    const int64_t w = int64_t{std::max(text.cx, 0)} + scaled_round(12, scale);
    const int64_t h = int64_t{std::max(text.cy, 0)} + scaled_round(6, scale);
    const int64_t gap = scaled_round(6, scale);
    auto at = [&](int64_t left, int64_t top) {
        left = std::min(left, int64_t{monitor.r} - w);
        left = std::max(left, int64_t{monitor.l});
        return Rect{saturate_i32(left), saturate_i32(top), saturate_i32(left + w), saturate_i32(top + h)};
    };
    const Rect above = at(rect.l, int64_t{rect.t} - gap - h);
    const Rect inside = at(int64_t{rect.l} + gap, int64_t{rect.t} + gap);
    const Rect normal = above.t < monitor.t ? inside : above;
    if (!toolbar || toolbar->empty()) return normal;

    // Where the toolbar covers it, the label goes where it can be read: inside the selection,
    // then beside the toolbar, then under the selection.
    auto readable = [&](const Rect& r) {
        return r.t >= monitor.t && r.b <= monitor.b && intersect(r, *toolbar).empty();
    };
    const int64_t bar_l = toolbar->l;
    const Rect candidates[] = {
        normal,
        inside,
        above,
        at(bar_l, int64_t{toolbar->t} - gap - h),
        at(bar_l, int64_t{toolbar->b} + gap),
        at(int64_t{rect.l}, int64_t{rect.b} + gap),
        at(int64_t{bar_l} - gap - w, toolbar->t),
        at(int64_t{toolbar->r} + gap, toolbar->t),
    };
    for (const Rect& c : candidates)
        if (readable(c)) return c;
    return normal;
}
