#include "capture/magnifier.h"

#include <algorithm>

#include "capture/auto_select.h"
#include "util/scaled.h"

namespace {
Rect make(int64_t l, int64_t t, int64_t r, int64_t b) {
    return {saturate_i32(l), saturate_i32(t), saturate_i32(r), saturate_i32(b)};
}
}  // namespace

int32_t magnifier_cell(float scale) {
    const int32_t c = scaled_round(8, scale);
    return c < 5 ? 4 : std::min(c, 1 << 16);
}

bool magnifier_shown(MouseState mouse_state, bool selection_confirmed) {
    return (mouse_state == MouseState::Idle && !selection_confirmed) || mouse_state == MouseState::Selecting ||
           mouse_state == MouseState::ResizingSelection;
}

Rect magnifier_place(int32_t x, int32_t y, const Rect& monitor, float scale) {
    const int64_t lens = int64_t{LENS_PIXELS} * magnifier_cell(scale);
    const int64_t gap = scaled_round(20, scale);
    const int64_t h = lens + scaled_round(62, scale);
    int64_t left = int64_t{x} + gap;
    if (monitor.r < int64_t{x} + lens + gap) left = int64_t{x} - gap - lens;
    int64_t top = int64_t{y} + gap;
    if (monitor.b < int64_t{y} + gap + h) top = int64_t{y} - h - gap;
    return make(left, top, left + lens, top + h);
}

MagnifierGeometry magnifier_geometry(int32_t x, int32_t y, const Rect& monitor, float scale, int32_t bitmap_width,
                                     int32_t bitmap_height) {
    MagnifierGeometry g;
    const int64_t c = g.cell = magnifier_cell(scale);
    g.rect = magnifier_place(x, y, monitor, scale);
    const int64_t l = g.rect.l, t = g.rect.t;
    const int64_t side = LENS_PIXELS * c;
    g.lens = make(l, t, l + side, t + side);

    // Pixels outside the bitmap keep the lens's black fill.
    const int64_t sx = int64_t{x} - LENS_HALF, sy = int64_t{y} - LENS_HALF;
    const int64_t x0 = std::max<int64_t>(sx, 0), y0 = std::max<int64_t>(sy, 0);
    const int64_t x1 = std::min<int64_t>(sx + LENS_PIXELS, bitmap_width);
    const int64_t y1 = std::min<int64_t>(sy + LENS_PIXELS, bitmap_height);
    if (x0 < x1 && y0 < y1) {
        g.source = make(x0, y0, x1, y1);
        g.target = make(l + (x0 - sx) * c, t + (y0 - sy) * c, l + (x1 - sx) * c, t + (y1 - sy) * c);
    }

    const int64_t mid = LENS_HALF * c;
    g.crosshair = {make(l, t + mid, l + mid, t + mid + c), make(l + mid + c, t + mid, l + side, t + mid + c),
                   make(l + mid, t, l + mid + c, t + mid), make(l + mid, t + mid + c, l + mid + c, t + side)};
    g.centre = make(l + mid, t + mid, l + mid + c, t + mid + c);

    g.readout = make(l, t + side, l + side, g.rect.b);
    const int64_t inset = scaled_round(8, scale);
    const int64_t line_h = (int64_t{scaled_round(62, scale)} - scaled_round(8, scale)) / 3;
    const int64_t first = int64_t{g.readout.t} + scaled_round(4, scale);
    for (int64_t i = 0; i < 3; ++i)
        g.lines[i] = make(l + inset, first + i * line_h, l + side - inset, first + (i + 1) * line_h);
    const int64_t swatch = std::max<int64_t>(line_h - scaled_round(6, scale), 4);
    const int64_t swatch_t = int64_t{g.lines[1].t} + (line_h - swatch) / 2;
    g.swatch = make(g.lines[1].l, swatch_t, int64_t{g.lines[1].l} + swatch, swatch_t + swatch);
    g.colour_text = make(int64_t{g.swatch.r} + scaled_round(6, scale), g.lines[1].t, g.lines[1].r, g.lines[1].b);
    return g;
}

std::string cursor_text(int64_t screen_x, int64_t screen_y) {
    return std::to_string(screen_x) + ", " + std::to_string(screen_y);
}
