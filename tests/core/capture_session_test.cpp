#include <gtest/gtest.h>

#include <climits>

#include "capture/session_rules.h"

namespace {
struct Point { float x, y; };
struct Drawn { std::vector<Point> points; int kind = 0; };
}  // namespace

TEST(PinEditPlacement, SelectionIsThePinClippedToTheVirtualScreen) {
    struct Case {
        int32_t x, y, w, h;       // image position (screen) and size
        int32_t ox, oy, sw, sh;   // virtual screen
        Rect selection;
        int32_t dx, dy;
    };
    const Case cases[] = {
        {100, 50, 300, 200, 0, 0, 1920, 1080, {100, 50, 400, 250}, 100, 50},
        {-50, -20, 300, 200, 0, 0, 1920, 1080, {0, 0, 250, 180}, -50, -20},          // off the top-left
        {1800, 1000, 300, 200, 0, 0, 1920, 1080, {1800, 1000, 1920, 1080}, 1800, 1000},
        {-1900, 10, 100, 100, -1920, 0, 3840, 1080, {20, 10, 120, 110}, 20, 10},     // left monitor
        {3000, 10, 100, 100, 0, 0, 1920, 1080, {}, 3000, 10},                       // wholly off: zero rect
        {10, 10, 0, 100, 0, 0, 1920, 1080, {}, 10, 10},
        {INT_MAX - 5, INT_MIN, 100, 100, -10, 0, 1920, 1080, {}, INT_MAX, INT_MIN},  // no wrap-around
    };
    for (const Case& c : cases) {
        const PinEditPlacement p = pin_edit_placement(c.x, c.y, c.w, c.h, c.ox, c.oy, c.sw, c.sh);
        EXPECT_EQ(p.selection, c.selection) << c.x << "," << c.y;
        EXPECT_EQ(p.offset_x, c.dx) << c.x;
        EXPECT_EQ(p.offset_y, c.dy) << c.y;
    }
}

TEST(MovedAnnotations, RoundTripShiftsExactlyOnce) {
    // A pin partly off the left edge of a virtual screen that starts left of the primary.
    const PinEditPlacement p = pin_edit_placement(-2000, 30, 400, 300, -1920, 0, 3840, 1080);
    ASSERT_EQ(p.offset_x, -80);
    ASSERT_EQ(p.offset_y, 30);
    const std::vector<Drawn> in_pin = {{{{0, 0}, {399.5f, 299.25f}}, 1}, {{{120, 40}}, 7}};
    const auto in_overlay = moved_annotations(in_pin, p.offset_x, p.offset_y);
    EXPECT_FLOAT_EQ(in_overlay[0].points[0].x, -80);
    EXPECT_FLOAT_EQ(in_overlay[0].points[1].y, 329.25f);
    EXPECT_FLOAT_EQ(in_overlay[1].points[0].x, 40);
    EXPECT_EQ(in_overlay[1].kind, 7);
    const auto back = moved_annotations(in_overlay, -p.offset_x, -p.offset_y);
    for (size_t i = 0; i < in_pin.size(); ++i)
        for (size_t j = 0; j < in_pin[i].points.size(); ++j) {
            EXPECT_EQ(back[i].points[j].x, in_pin[i].points[j].x);
            EXPECT_EQ(back[i].points[j].y, in_pin[i].points[j].y);
        }
    EXPECT_EQ(in_pin[0].points[0].x, 0.0f);  // the source list is untouched
}

TEST(MonitorsCover, OnlyWhenNoPixelOfTheVirtualScreenIsLeft) {
    const Rect left{-1920, 0, 0, 1080}, right{0, 0, 2560, 1440};
    const struct {
        std::vector<Rect> monitors;
        Rect screen;
        bool covered;
    } cases[] = {
        {{right}, {0, 0, 2560, 1440}, true},
        {{left, right}, {-1920, 0, 2560, 1440}, false},  // the strip under the shorter monitor
        {{left, {0, 0, 1920, 1080}}, {-1920, 0, 1920, 1080}, true},
        {{right, right}, {0, 0, 2560, 2880}, false},     // a clone counts once
        {{}, {0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(monitors_cover(c.monitors, c.screen), c.covered);
}
