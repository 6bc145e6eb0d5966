#pragma once
// The selection under the mouse: a new one dragged out, the whole one moved, one edge or corner
// dragged. Overlay pixels, right and bottom exclusive, always kept inside 0..width x 0..height.
#include <cstdint>
#include <optional>

#include "util/geometry.h"

// A press that goes no further than this many pixels on either axis is a click.
inline constexpr int32_t CLICK_SLOP = 3;

bool moved_beyond_click(int32_t start_x, int32_t start_y, int32_t x, int32_t y);

// A rectangle kept inside the overlay; none when nothing of it is left. A hovered window or
// the last capture's selection becomes the selection this way.
std::optional<Rect> clamp_to_overlay(const Rect& r, int32_t width, int32_t height);

// The rectangle a drag spans from its start to (x, y), both corners included, kept inside the
// overlay; none when empty.
std::optional<Rect> drag_rect(int32_t start_x, int32_t start_y, int32_t x, int32_t y, int32_t width, int32_t height);

// The rectangle moved by (dx, dy), then shifted back inside the overlay; its size never changes
// (a rectangle larger than the overlay keeps its left or top at 0).
Rect move_rect_inside(const Rect& r, int64_t dx, int64_t dy, int32_t width, int32_t height);

// Handles of the selection: 0 left, 1 top, 2 right, 3 bottom, 4 top-left, 5 top-right,
// 6 bottom-left, 7 bottom-right; 8 none.
inline constexpr uint8_t HANDLE_NONE = 8;

// The press rectangle with the handle's edges moved by (dx, dy). An edge may cross the opposite
// one (the axis is put in order again; equal edges give a size of 1); the result is kept inside
// the overlay, and one that is empty there gives back the press rectangle.
Rect resize_rect(const Rect& press, uint8_t handle, int64_t dx, int64_t dy, int32_t width, int32_t height);

// What a press on a confirmed selection does, from the handle under the point.
enum class SelectionGrab : uint8_t { Resize, Move, Outside };
struct SelectionPress {
    SelectionGrab grab = SelectionGrab::Outside;
    uint8_t handle = HANDLE_NONE;  // Resize only
    friend bool operator==(const SelectionPress&, const SelectionPress&) = default;
};
SelectionPress sel_handle_at(uint8_t handle_under_point, const Rect& selection, int32_t x, int32_t y);
