#pragma once
// The toolbar's glyphs as shapes on a 32 x 32 design grid; one drawing adapter turns them into
// pixels of a button (a grid unit is the button's width / 32).
#include <cstdint>
#include <optional>
#include <vector>

#include "toolbar/toolbar_items.h"

struct GridPoint {
    float x = 0, y = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

enum class GlyphShape : uint8_t {
    Line,      // points[0] to points[1]
    Polyline,  // through every point
    Polygon,   // closed, filled with the winding rule
    Rect,      // box
    Ellipse,   // its bounding box
    Arc,       // of the ellipse in box, from start sweeping sweep degrees, clockwise
};

inline constexpr float MAIN_PEN = 1.9f;  // grid units

struct GlyphPrim {
    GlyphShape shape = GlyphShape::Line;
    bool filled = false;  // a solid brush; otherwise outlined with the pen
    float pen = MAIN_PEN;
    std::vector<GridPoint> points;
    float x = 0, y = 0, w = 0, h = 0;  // box of Rect, Ellipse and Arc
    float start = 0, sweep = 0;
    std::optional<uint32_t> rgb;  // a fixed colour instead of the glyph colour
    uint8_t alpha = 0xFF;
    bool flat_caps = false;       // round start and end caps otherwise
    friend bool operator==(const GlyphPrim&, const GlyphPrim&) = default;
};

// The shapes of an item's glyph, in drawing order; none for a separator.
const std::vector<GlyphPrim>& glyph_primitives(ToolbarItem item, bool pin_edit);

// A pen of n grid units at unit u: never thinner than half a pixel.
float glyph_pen_width(float n, float unit);
