#include "capture/magnifier.h"

#include <algorithm>
#include <string>
#include <vector>

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

int32_t magnifier_width(float scale, int32_t text_width) {
    const int64_t lens = int64_t{LENS_PIXELS} * magnifier_cell(scale);
    const int64_t text = 2 * int64_t{scaled_round(8, scale)} + std::clamp(text_width, 0, 1 << 16);
    return saturate_i32(std::max(lens, text));
}

Rect magnifier_place(int32_t x, int32_t y, const Rect& monitor, float scale, int32_t text_width) {
    const int64_t lens = int64_t{LENS_PIXELS} * magnifier_cell(scale);
    const int64_t w = magnifier_width(scale, text_width);
    const int64_t gap = scaled_round(20, scale);
    const int64_t h = lens + scaled_round(62, scale);
    int64_t left = int64_t{x} + gap;
    if (monitor.r < int64_t{x} + w + gap) left = int64_t{x} - gap - w;
    int64_t top = int64_t{y} + gap;
    if (monitor.b < int64_t{y} + gap + h) top = int64_t{y} - h - gap;
    return make(left, top, left + w, top + h);
}

namespace {
int64_t line_height(float scale) { return (int64_t{scaled_round(62, scale)} - scaled_round(8, scale)) / 3; }
int64_t swatch_side(float scale) { return std::max<int64_t>(line_height(scale) - scaled_round(6, scale), 4); }

// Every value of the format with one digit in every place: the widest of them bounds the text.
std::vector<std::string> widest_colour_samples(ColorFormat format) {
    std::vector<std::string> out;
    const std::string digits = format == ColorFormat::Hex ? "0123456789ABCDEF" : "0123456789";
    for (char d : digits) {
        const std::string three(3, d);
        switch (format) {
        case ColorFormat::Hex: out.push_back("#" + std::string(6, d)); break;
        case ColorFormat::Rgb: out.push_back("rgb(" + three + ", " + three + ", " + three + ")"); break;
        case ColorFormat::Hsl: out.push_back("hsl(" + three + ", " + three + "%, " + three + "%)"); break;
        }
    }
    return out;
}
}  // namespace

int32_t readout_text_width(std::string_view coordinates, std::string_view hint, ColorFormat format, float scale,
                           const MeasureText& measure) {
    if (!measure) return 0;
    auto width = [&](std::string_view text) { return int64_t{std::max(measure(text).cx, 0)}; };
    int64_t colour = 0;
    for (const std::string& sample : widest_colour_samples(format)) colour = std::max(colour, width(sample));
    colour += swatch_side(scale) + scaled_round(6, scale);
    return saturate_i32(std::max({width(coordinates), width(hint), colour}));
}

MagnifierGeometry magnifier_geometry(int32_t x, int32_t y, const Rect& monitor, float scale, int32_t bitmap_width,
                                     int32_t bitmap_height, int32_t text_width) {
    MagnifierGeometry g;
    const int64_t c = g.cell = magnifier_cell(scale);
    g.rect = magnifier_place(x, y, monitor, scale, text_width);
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

    // The readout is as wide as the whole magnifier: its text may need more than the lens.
    const int64_t r = g.rect.r;
    g.readout = make(l, t + side, r, g.rect.b);
    const int64_t inset = scaled_round(8, scale);
    const int64_t line_h = line_height(scale);
    const int64_t first = int64_t{g.readout.t} + scaled_round(4, scale);
    for (int64_t i = 0; i < 3; ++i)
        g.lines[i] = make(l + inset, first + i * line_h, r - inset, first + (i + 1) * line_h);
    const int64_t swatch = swatch_side(scale);
    const int64_t swatch_t = int64_t{g.lines[1].t} + (line_h - swatch) / 2;
    g.swatch = make(g.lines[1].l, swatch_t, int64_t{g.lines[1].l} + swatch, swatch_t + swatch);
    g.colour_text = make(int64_t{g.swatch.r} + scaled_round(6, scale), g.lines[1].t, g.lines[1].r, g.lines[1].b);
    return g;
}

std::string cursor_text(int64_t screen_x, int64_t screen_y) {
    return std::to_string(screen_x) + ", " + std::to_string(screen_y);
}
