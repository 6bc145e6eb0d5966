#include "toolbar/glyphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using enum GlyphShape;
using Pts = std::vector<GridPoint>;

GlyphPrim line(GridPoint a, GridPoint b, float pen = MAIN_PEN) { return {Line, false, pen, {a, b}}; }
GlyphPrim polyline(Pts pts, float pen = MAIN_PEN) { return {Polyline, false, pen, std::move(pts)}; }
GlyphPrim polygon(Pts pts) { return {Polygon, true, MAIN_PEN, std::move(pts)}; }
GlyphPrim box(GlyphShape shape, bool filled, float x, float y, float w, float h, float pen = MAIN_PEN) {
    GlyphPrim p{shape, filled, pen, {}};
    p.x = x;
    p.y = y;
    p.w = w;
    p.h = h;
    return p;
}
GlyphPrim rect(float x, float y, float w, float h, float pen = MAIN_PEN) { return box(Rect, false, x, y, w, h, pen); }
GlyphPrim fill_rect(float x, float y, float w, float h) { return box(Rect, true, x, y, w, h); }
GlyphPrim ellipse(float x, float y, float w, float h) { return box(Ellipse, false, x, y, w, h); }
GlyphPrim fill_ellipse(float x, float y, float w, float h) { return box(Ellipse, true, x, y, w, h); }
GlyphPrim arc(float x, float y, float w, float h, float start, float sweep) {
    GlyphPrim p = box(Arc, false, x, y, w, h);
    p.start = start;
    p.sweep = sweep;
    return p;
}

std::vector<GlyphPrim> pen_glyph() {
    Pts wave;
    for (int x = 8; x <= 24; ++x)
        wave.push_back({static_cast<float>(x),
                        16.0f - 5.0f * static_cast<float>(std::sin(std::numbers::pi * (x - 8) / 8.0))});
    return {polyline(std::move(wave))};
}

std::vector<GlyphPrim> highlighter_glyph() {
    GlyphPrim stroke = line({8, 23}, {24, 23}, 5.0f);
    stroke.alpha = 0x60;
    stroke.flat_caps = true;
    return {stroke, polygon({{13, 19}, {10.5f, 16.5f}, {19.5f, 7.5f}, {22, 10}}),
            polygon({{10, 17}, {12.5f, 19.5f}, {9.5f, 20.5f}})};
}

std::vector<GlyphPrim> mosaic_glyph() {
    std::vector<GlyphPrim> g;
    const float side = 14.0f / 3.0f;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            if ((row + col) % 2 == 0)  // the four corners and the centre
                g.push_back(fill_rect(9 + side * static_cast<float>(col), 9 + side * static_cast<float>(row), side, side));
    g.push_back(rect(9, 9, 14, 14, 1.2f));
    return g;
}

std::vector<GlyphPrim> spotlight_glyph() {
    std::vector<GlyphPrim> g{fill_ellipse(11.5f, 11.5f, 9, 9)};
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4.0;
        const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
        g.push_back(line({16 + 7.5f * c, 16 + 7.5f * s}, {16 + 10.5f * c, 16 + 10.5f * s}, 1.7f));
    }
    return g;
}

std::vector<GlyphPrim> done_glyph() { return {polyline({{9, 16.5f}, {14, 21.5f}, {23.5f, 11}}, 2.4f)}; }

std::vector<GlyphPrim> copy_pages_glyph() {
    GlyphPrim back_page = box(Rect, true, 8.5f, 12.5f, 11, 13);
    back_page.rgb = 0xFCFCFD;
    return {rect(12.5f, 8.5f, 11, 13), back_page, rect(8.5f, 12.5f, 11, 13)};
}

std::vector<GlyphPrim> record_glyph() {
    GlyphPrim dot = fill_ellipse(11.5f, 11.5f, 9, 9);
    dot.rgb = 0xE53B30;
    return {ellipse(7.5f, 7.5f, 17, 17), dot};
}

using Table = std::array<std::vector<GlyphPrim>, TOOLBAR_ITEM_COUNT>;

Table build_table() {
    Table t;
    auto at = [&t](ToolbarItem i) -> std::vector<GlyphPrim>& { return t[static_cast<size_t>(i)]; };
    using enum ToolbarItem;
    at(Rectangle) = {rect(8, 10, 16, 12)};
    at(Ellipse) = {ellipse(7.5f, 9.5f, 17, 13)};
    at(Arrow) = {line({9, 23}, {19.5f, 12.5f}), polygon({{23.5f, 8.5f}, {14.8f, 11.2f}, {20.8f, 17.2f}})};
    at(Line) = {line({9, 23}, {23, 9})};
    at(Pen) = pen_glyph();
    at(Highlighter) = highlighter_glyph();
    at(Mosaic) = mosaic_glyph();
    at(Text) = {fill_rect(9, 8.5f, 14, 2.6f), fill_rect(14.7f, 8.5f, 2.6f, 15)};
    at(Number) = {ellipse(7.5f, 7.5f, 17, 17), polyline({{14, 13}, {16.6f, 11}, {16.6f, 21}}, 2.0f)};
    at(Spotlight) = spotlight_glyph();
    at(Eraser) = {polyline({{11, 23}, {7.5f, 19.5f}, {18.5f, 8.5f}, {24, 14}, {15, 23}, {11, 23}}),
                  line({12, 14}, {18, 20}), line({15, 23}, {25, 23})};
    at(Undo) = {arc(12, 10, 12, 12, -90, 180), line({18, 10}, {11, 10}), line({18, 22}, {12, 22}),
                polygon({{7.5f, 10}, {12, 6}, {12, 14}})};
    at(Redo) = {arc(8, 10, 12, 12, 90, 180), line({14, 10}, {21, 10}), line({14, 22}, {20, 22}),
                polygon({{24.5f, 10}, {20, 6}, {20, 14}})};
    at(RecognizeText) = {polyline({{8, 12.5f}, {8, 8}, {12.5f, 8}}),      polyline({{24, 12.5f}, {24, 8}, {19.5f, 8}}),
                         polyline({{8, 19.5f}, {8, 24}, {12.5f, 24}}),    polyline({{24, 19.5f}, {24, 24}, {19.5f, 24}}),
                         fill_rect(11.5f, 12.6f, 9, 2.2f),                fill_rect(11.5f, 17.2f, 6, 2.2f)};
    at(Qr) = {rect(7.5f, 7.5f, 7, 7, 1.6f),     rect(17.5f, 7.5f, 7, 7, 1.6f), rect(7.5f, 17.5f, 7, 7, 1.6f),
              fill_rect(9.8f, 9.8f, 2.6f, 2.6f), fill_rect(19.8f, 9.8f, 2.6f, 2.6f), fill_rect(9.8f, 19.8f, 2.6f, 2.6f),
              fill_rect(18, 18, 2.4f, 2.4f),     fill_rect(22, 18, 2.4f, 2.4f),     fill_rect(20, 21, 2.4f, 2.4f),
              fill_rect(18, 23, 2.4f, 2.4f),     fill_rect(22.5f, 23, 2.4f, 2.4f)};
    at(Redact) = {rect(6.5f, 9, 19, 14), fill_ellipse(9.5f, 12, 4.6f, 4.6f), fill_rect(8.8f, 17.4f, 6, 2.2f),
                  fill_rect(16.5f, 12.4f, 6.5f, 3), fill_rect(16.5f, 17, 6.5f, 3)};
    at(ScrollCapture) = {rect(10, 6, 12, 20), line({16, 10}, {16, 19.5f}, 1.7f),
                         polygon({{12.2f, 17.5f}, {19.8f, 17.5f}, {16, 22.5f}})};
    at(Record) = record_glyph();
    at(LivePin) = {rect(6.5f, 8.5f, 19, 15), polygon({{14, 12.5f}, {14, 19.5f}, {20, 16}}),
                   line({12, 26.5f}, {20, 26.5f})};
    at(Pin) = {polygon({{19.5f, 5.5f}, {26.5f, 12.5f}, {24.3f, 14.7f}, {17.3f, 7.7f}}),
               polygon({{18.6f, 9.4f}, {22.6f, 13.4f}, {19.2f, 16.8f}, {15.2f, 12.8f}}),
               polygon({{13, 12.6f}, {19.4f, 19}, {17.6f, 20.8f}, {11.2f, 14.4f}}),
               line({14.8f, 17.2f}, {8, 24}, 1.8f)};
    at(Save) = {line({16, 7.5f}, {16, 18}), polyline({{11.5f, 13.5f}, {16, 18}, {20.5f, 13.5f}}),
                polyline({{8.5f, 18}, {8.5f, 24}, {23.5f, 24}, {23.5f, 18}})};
    at(Copy) = done_glyph();
    at(Cancel) = {line({10, 10}, {22, 22}), line({22, 10}, {10, 22})};
    at(Done) = done_glyph();
    return t;
}

}  // namespace

const std::vector<GlyphPrim>& glyph_primitives(ToolbarItem item, bool pin_edit) {
    static const Table table = build_table();
    static const std::vector<GlyphPrim> copy_pages = copy_pages_glyph();
    if (item == ToolbarItem::Copy && pin_edit) return copy_pages;
    const auto i = static_cast<size_t>(item);
    return table[i < table.size() ? i : static_cast<size_t>(ToolbarItem::Separator)];
}

float glyph_pen_width(float n, float unit) { return std::max(n * unit, 0.5f); }
