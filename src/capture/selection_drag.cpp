#include "capture/selection_drag.h"

#include <algorithm>
#include <cstdlib>

#include "capture/auto_select.h"

bool moved_beyond_click(int32_t start_x, int32_t start_y, int32_t x, int32_t y) {
    return std::llabs(int64_t{x} - start_x) > CLICK_SLOP || std::llabs(int64_t{y} - start_y) > CLICK_SLOP;
}

namespace {
Rect clamped(const Rect& r, int32_t width, int32_t height) {
    const int32_t w = std::max(width, 0), h = std::max(height, 0);
    return {std::clamp(r.l, 0, w), std::clamp(r.t, 0, h), std::clamp(r.r, 0, w), std::clamp(r.b, 0, h)};
}

// Moves [lo, hi) by d, then back inside [0, limit) without changing its length.
void shift_span(int32_t& lo, int32_t& hi, int64_t d, int32_t limit) {
    const int64_t len = int64_t{hi} - lo;
    int64_t start = int64_t{lo} + d;
    start = std::min(start, int64_t{limit} - len);
    start = std::max<int64_t>(start, 0);
    lo = saturate_i32(start);
    hi = saturate_i32(start + len);
}

// An edge moved by d, then the span ordered; equal edges give length 1.
void order_span(int64_t lo, int64_t hi, int32_t& out_lo, int32_t& out_hi) {
    if (lo > hi) std::swap(lo, hi);
    if (lo == hi) ++hi;
    out_lo = saturate_i32(lo);
    out_hi = saturate_i32(hi);
}
}  // namespace

std::optional<Rect> clamp_to_overlay(const Rect& r, int32_t width, int32_t height) {
    const Rect c = clamped(r, width, height);
    if (c.empty()) return std::nullopt;
    return c;
}

std::optional<Rect> drag_rect(int32_t start_x, int32_t start_y, int32_t x, int32_t y, int32_t width, int32_t height) {
    const Rect spanned{std::min(start_x, x), std::min(start_y, y), saturate_i32(int64_t{std::max(start_x, x)} + 1),
                       saturate_i32(int64_t{std::max(start_y, y)} + 1)};
    return clamp_to_overlay(spanned, width, height);
}

Rect move_rect_inside(const Rect& r, int64_t dx, int64_t dy, int32_t width, int32_t height) {
    Rect out = r;
    shift_span(out.l, out.r, dx, width);
    shift_span(out.t, out.b, dy, height);
    return out;
}

Rect resize_rect(const Rect& press, uint8_t handle, int64_t dx, int64_t dy, int32_t width, int32_t height) {
    int64_t l = press.l, t = press.t, r = press.r, b = press.b;
    const bool left = handle == 0 || handle == 4 || handle == 6;
    const bool right = handle == 2 || handle == 5 || handle == 7;
    const bool top = handle == 1 || handle == 4 || handle == 5;
    const bool bottom = handle == 3 || handle == 6 || handle == 7;
    if (left) l += dx;
    if (right) r += dx;
    if (top) t += dy;
    if (bottom) b += dy;
    Rect out;
    order_span(l, r, out.l, out.r);
    order_span(t, b, out.t, out.b);
    const std::optional<Rect> kept = clamp_to_overlay(out, width, height);
    return kept ? *kept : press;
}

SelectionPress sel_handle_at(uint8_t handle_under_point, const Rect& selection, int32_t x, int32_t y) {
    if (handle_under_point < HANDLE_NONE) return {SelectionGrab::Resize, handle_under_point};
    if (selection.contains(x, y)) return {SelectionGrab::Move, HANDLE_NONE};
    return {};
}
