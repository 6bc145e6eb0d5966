#pragma once
// The magnifier beside the cursor: a lens of 17 x 17 enlarged screen pixels over a readout band
// with the cursor's coordinates, the colour under it and a hint. Overlay pixels.
#include <array>
#include <cstdint>
#include <string>

#include "capture/readout_text.h"
#include "toolbar/mouse_state.h"
#include "util/geometry.h"
#include "util/text_size.h"

inline constexpr int32_t LENS_PIXELS = 17;  // screen pixels across the lens
inline constexpr int32_t LENS_HALF = LENS_PIXELS / 2;

// The side of one enlarged pixel: round(8 s), but 4 when that is below 5.
int32_t magnifier_cell(float scale);

// Shown while idle without a confirmed selection, while selecting and while resizing.
bool magnifier_shown(MouseState mouse_state, bool selection_confirmed);

// The width the readout's text needs (`readout_text_width`): the magnifier is as wide as its lens,
// or wider where the text needs it.
int32_t magnifier_width(float scale, int32_t text_width);

// Right of and below the cursor; left of or above it where the monitor's right or bottom edge
// would cut it.
Rect magnifier_place(int32_t x, int32_t y, const Rect& monitor, float scale, int32_t text_width = 0);

// The widest of the readout's lines: the coordinates, the colour line (swatch and text, the text
// sized for the widest value its format can show, so the box does not jump as the pointer moves)
// and the hint.
int32_t readout_text_width(std::string_view coordinates, std::string_view hint, ColorFormat format, float scale,
                           const MeasureText& measure);

struct MagnifierGeometry {
    int32_t cell = 0;
    Rect rect;    // lens and readout together
    Rect lens;
    Rect source;  // the frozen pixels shown, clipped to the bitmap; may be empty
    Rect target;  // where they go in the lens
    std::array<Rect, 4> crosshair;  // the centre row and column without the centre cell
    Rect centre;
    Rect readout;
    std::array<Rect, 3> lines;  // the readout's three text lines, inset from the sides
    Rect swatch;
    Rect colour_text;
};

MagnifierGeometry magnifier_geometry(int32_t x, int32_t y, const Rect& monitor, float scale, int32_t bitmap_width,
                                     int32_t bitmap_height, int32_t text_width = 0);

// The cursor's screen coordinates as "x, y".
std::string cursor_text(int64_t screen_x, int64_t screen_y);
