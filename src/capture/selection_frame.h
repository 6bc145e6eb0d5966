#pragma once
// The selection's frame line and its eight handles: where they are drawn and which one a point
// is on. Overlay pixels; the selection is right and bottom exclusive.
#include <array>
#include <cstdint>
#include <vector>

#include "util/geometry.h"

enum class SelectionHandle : uint8_t {
    Left = 0, Top = 1, Right = 2, Bottom = 3, TopLeft = 4, TopRight = 5, BottomLeft = 6, BottomRight = 7, None = 8
};

// The handle under (x, y), with corners winning over edges.
SelectionHandle hit_test_handles(float scale, const Rect& selection, int32_t x, int32_t y);

// The four strips (top, bottom, left, right) that hold the frame line and the handles.
std::array<Rect, 4> frame_strips(const Rect& selection, float scale);

// The frame line's thickness; the line runs just outside the selection so it hides no pixel of it.
int32_t frame_line_width(float scale);
Rect frame_line_rect(const Rect& selection, float scale);

struct HandleSquare {
    Rect outer;  // filled with the accent colour
    Rect inner;  // white
};
// The eight handles, at the corners and edge middles of the frame line.
std::array<HandleSquare, 8> handle_squares(const Rect& selection, float scale);
