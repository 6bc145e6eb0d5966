#include "capture/selection_frame.h"

#include <algorithm>
#include <cstdlib>

#include "capture/auto_select.h"
#include "util/rect_ops.h"
#include "util/scaled.h"

SelectionHandle hit_test_handles(float scale, const Rect& sel, int32_t x, int32_t y) {
    int64_t tol = scaled_round(6, scale);
    if (tol < 5) tol = 4;
    auto near = [tol](int64_t a, int64_t b) { return std::llabs(a - b) <= tol; };
    const bool near_l = near(x, sel.l), near_r = near(x, sel.r), near_t = near(y, sel.t), near_b = near(y, sel.b);
    const bool within_y = int64_t{sel.t} - tol <= y && y <= int64_t{sel.b} + tol;
    const bool within_x = int64_t{sel.l} - tol <= x && x <= int64_t{sel.r} + tol;
    using enum SelectionHandle;
    if (near_l && within_y) return near_t ? TopLeft : near_b ? BottomLeft : Left;
    if (near_r && within_y) return near_t ? TopRight : near_b ? BottomRight : Right;
    if (within_x) return near_t ? Top : near_b ? Bottom : None;
    return None;
}

std::array<Rect, 4> frame_strips(const Rect& sel, float scale) {
    const int64_t a = int64_t{std::max(scaled_round(2, scale), 1)} + scaled_round(4, scale);
    const int64_t b = a + 2;
    auto r = [](int64_t l, int64_t t, int64_t rr, int64_t bb) {
        return Rect{saturate_i32(l), saturate_i32(t), saturate_i32(rr), saturate_i32(bb)};
    };
    return {r(sel.l - b, sel.t - b, sel.r + a + 2, sel.t + a + 2), r(sel.l - b, sel.b - b, sel.r + a + 2, sel.b + a + 2),
            r(sel.l - b, sel.t - b, sel.l + a + 2, sel.b + a + 2), r(sel.r - b, sel.t - b, sel.r + a + 2, sel.b + a + 2)};
}

int32_t frame_line_width(float scale) { return std::max(scaled_round(2, scale), 1); }

Rect frame_line_rect(const Rect& sel, float scale) { return grow(sel, frame_line_width(scale)); }

std::array<HandleSquare, 8> handle_squares(const Rect& sel, float scale) {
    const int64_t f = frame_line_width(scale);
    const int64_t side = std::max(scaled_round(7, scale), 1);
    const int64_t inner = std::max<int64_t>(side - 2 * f, 1);
    // Centres on the middle of the frame line.
    const int64_t xl = int64_t{sel.l} - f / 2 - (f % 2), xr = int64_t{sel.r} + f / 2;
    const int64_t yt = int64_t{sel.t} - f / 2 - (f % 2), yb = int64_t{sel.b} + f / 2;
    const int64_t xm = (int64_t{sel.l} + sel.r) / 2, ym = (int64_t{sel.t} + sel.b) / 2;
    const int64_t centres[8][2] = {{xl, yt}, {xm, yt}, {xr, yt}, {xl, ym}, {xr, ym}, {xl, yb}, {xm, yb}, {xr, yb}};
    std::array<HandleSquare, 8> out;
    for (size_t i = 0; i < 8; ++i) {
        const int64_t l = centres[i][0] - side / 2, t = centres[i][1] - side / 2;
        const int64_t il = l + (side - inner) / 2, it = t + (side - inner) / 2;
        out[i].outer = {saturate_i32(l), saturate_i32(t), saturate_i32(l + side), saturate_i32(t + side)};
        out[i].inner = {saturate_i32(il), saturate_i32(it), saturate_i32(il + inner), saturate_i32(it + inner)};
    }
    return out;
}
