#include <gtest/gtest.h>

#include <climits>

#include "capture/selection_drag.h"

TEST(SelectionDrag, ThreePixelsIsAClickAndFourADrag) {
    struct Case { int32_t x, y; bool moved; };
    const Case cases[] = {{103, 100, false}, {97, 97, false}, {104, 100, true}, {100, 96, true}, {INT_MAX, 100, true}};
    for (const Case& c : cases) EXPECT_EQ(moved_beyond_click(100, 100, c.x, c.y), c.moved) << c.x << "," << c.y;
}

TEST(SelectionDrag, EitherDirectionGivesTheSameRectangleWithBothCornersIncluded) {
    struct Case { int32_t sx, sy, x, y; std::optional<Rect> r; };
    const Case cases[] = {
        {10, 20, 110, 70, Rect{10, 20, 111, 71}},
        {110, 70, 10, 20, Rect{10, 20, 111, 71}},   // right to left, bottom to top
        {110, 20, 10, 70, Rect{10, 20, 111, 71}},
        {-50, -50, 5, 5, Rect{0, 0, 6, 6}},          // clamped to the overlay
        {1900, 1000, 2500, 1400, Rect{1900, 1000, 1920, 1080}},
        {1920, 500, 2000, 600, std::nullopt},        // wholly outside: no selection
        {INT_MAX, 0, INT_MAX, 10, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(drag_rect(c.sx, c.sy, c.x, c.y, 1920, 1080), c.r) << c.sx << "," << c.x;
}

TEST(SelectionDrag, HoveredWindowsAreClampedToTheScreen) {
    EXPECT_EQ(clamp_to_overlay({-8, -8, 1928, 1048}, 1920, 1080), (Rect{0, 0, 1920, 1048}));
    EXPECT_EQ(clamp_to_overlay({-300, 10, -1, 50}, 1920, 1080), std::nullopt);
    EXPECT_EQ(clamp_to_overlay({10, 10, 10, 50}, 1920, 1080), std::nullopt);
}

TEST(SelectionDrag, MovedSelectionStaysInsideWithItsSize) {
    struct Case { Rect r; int64_t dx, dy; Rect out; };
    const Case cases[] = {
        {{100, 100, 300, 200}, 50, -20, {150, 80, 350, 180}},
        {{100, 100, 300, 200}, -500, -500, {0, 0, 200, 100}},
        {{100, 100, 300, 200}, 5000, 5000, {1720, 980, 1920, 1080}},
        {{0, 0, 1920, 1080}, 7, 7, {0, 0, 1920, 1080}},
        {{100, 100, 300, 200}, INT64_MAX / 4, INT64_MIN / 4, {1720, 0, 1920, 100}},
    };
    for (const Case& c : cases) EXPECT_EQ(move_rect_inside(c.r, c.dx, c.dy, 1920, 1080), c.out) << c.dx;
}

TEST(SelectionDrag, HandlesMoveTheirEdgesAndMayCrossTheOppositeOne) {
    const Rect press{100, 100, 200, 200};
    struct Case { uint8_t handle; int64_t dx, dy; Rect out; };
    const Case cases[] = {
        {0, -30, 99, {70, 100, 200, 200}},    // left edge: y ignored
        {1, 99, -30, {100, 70, 200, 200}},
        {2, 50, 0, {100, 100, 250, 200}},
        {3, 0, 50, {100, 100, 200, 250}},
        {4, 10, 20, {110, 120, 200, 200}},
        {5, 10, 20, {100, 120, 210, 200}},
        {6, 10, 20, {110, 100, 200, 220}},
        {7, 10, 20, {100, 100, 210, 220}},
        {2, -150, 0, {50, 100, 100, 200}},    // right edge dragged past the left: reordered
        {4, 150, 150, {200, 200, 250, 250}},  // top-left past the bottom-right
        {0, 100, 0, {200, 100, 201, 200}},    // equal edges give a size of 1
        {7, 5000, 5000, {100, 100, 1920, 1080}},
        {2, 5000, 0, {100, 100, 1920, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resize_rect(press, c.handle, c.dx, c.dy, 1920, 1080), c.out) << int(c.handle) << " " << c.dx;
    // An edge handle dragged so far that nothing is left on screen keeps the press rectangle.
    EXPECT_EQ(resize_rect({1900, 0, 1920, 10}, 0, 100, 0, 1920, 1080), (Rect{1900, 0, 1920, 10}));
}

TEST(SelectionDrag, PressOnHandleInsideOrOutside) {
    const Rect sel{100, 100, 200, 200};
    EXPECT_EQ(sel_handle_at(5, sel, 203, 98), (SelectionPress{SelectionGrab::Resize, 5}));
    EXPECT_EQ(sel_handle_at(HANDLE_NONE, sel, 150, 150), (SelectionPress{SelectionGrab::Move, HANDLE_NONE}));
    EXPECT_EQ(sel_handle_at(HANDLE_NONE, sel, 200, 150), (SelectionPress{SelectionGrab::Outside, HANDLE_NONE}));
}
