#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "pin/pin_geometry.h"

TEST(PinGeometry, OuterSizeIsTheScaledImagePlusTheBorder) {
    struct Case {
        int32_t w, h;
        float scale;
        Size32 want;
    };
    const Case cases[] = {
        {300, 100, 1.0f, {302, 102}},
        {300, 100, 2.0f, {602, 202}},
        {1, 1, 0.05f, {3, 3}},          // never below one image pixel
        {5, 5, 0.1f, {3, 3}},           // 0.5 rounds away from zero
        {3, 3, 0.5f, {4, 4}},           // 1.5 -> 2
        {1920, 1080, 1.5f, {2882, 1622}},
        {INT32_MAX, INT32_MAX, 16.0f, {INT32_MAX, INT32_MAX}},  // saturates
    };
    for (const Case& c : cases)
        EXPECT_EQ(pin_outer_size(c.w, c.h, c.scale), c.want) << c.w << "x" << c.h << " at " << c.scale;
}

TEST(PinGeometry, ZoomStepsLandOnOneWhenTheyCrossIt) {
    struct Case {
        float from, steps, want;
    };
    const Case cases[] = {
        {0.95f, 1, 1.0f},
        {1.0f, 1, 1.1f},
        {1.05f, -1, 1.0f},
        {1.0f, -1, 1.0f / 1.1f},
        {2.0f, 0.25f, 2.0f * std::pow(1.1f, 0.25f)},  // a touchpad's quarter notch
        {0.5f, 2, 0.5f * 1.21f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(zoom_next(c.from, c.steps), c.want) << c.from << " by " << c.steps;
    EXPECT_EQ(zoom_next(0.95f, 1), 1.0f);  // exactly
    EXPECT_EQ(zoom_label_text(zoom_next(zoom_next(1.0f, 1), 1)), "121%");
}

TEST(PinGeometry, WheelDeltasAreFractionsOfANotch) {
    EXPECT_FLOAT_EQ(wheel_steps(120), 1.0f);
    EXPECT_FLOAT_EQ(wheel_steps(30), 0.25f);
    EXPECT_FLOAT_EQ(wheel_steps(-240), -2.0f);
}

TEST(PinGeometry, ScalesAreClampedAndNonsenseBecomesOne) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<float, float>> cases = {
        {0.01f, 0.05f}, {20.0f, 16.0f}, {1.5f, 1.5f}, {0.0f, 1.0f}, {-2.0f, 1.0f}, {nan, 1.0f}, {inf, 1.0f}};
    for (const auto& [in, want] : cases) EXPECT_EQ(clamp_pin_scale(in), want) << in;
    // A pin made below 0.05: a step below that scale (or Thumbnail) stays at it, a step up grows.
    struct From {
        float scale, lowest, want;
    };
    const From from[] = {{zoom_next(0.0324f, -1), 0.0324f, 0.0324f},
                         {zoom_next(0.0324f, 1), 0.0324f, zoom_next(0.0324f, 1)},
                         {0.0324f, 0.0324f, 0.0324f},
                         {0.01f, 0.2f, 0.05f},
                         {0.01f, nan, 0.05f}};
    for (const From& f : from) EXPECT_EQ(clamp_pin_scale(f.scale, f.lowest), f.want) << f.scale << " from " << f.lowest;
}

TEST(PinGeometry, AnchorKeepsItsRelativePlace) {
    const Rect old{100, 100, 402, 202};  // 302 x 102
    // The centre stays the centre when doubling.
    EXPECT_EQ(anchored_origin(old, 251, 151, {602, 202}), (Point32{251 - 301, 151 - 101}));
    // The top-left corner stays put.
    EXPECT_EQ(anchored_origin(old, 100, 100, {602, 202}), (Point32{100, 100}));
    // A window 1 pixel wide counts as 1, not as 0.
    EXPECT_EQ(anchored_origin({10, 10, 11, 11}, 10, 10, {5, 5}), (Point32{10, 10}));
    EXPECT_EQ(anchored_origin({10, 10, 10, 10}, 11, 11, {5, 5}), (Point32{6, 6}));
}

TEST(PinGeometry, CentresAndRecentringUseIntegerDivision) {
    EXPECT_EQ(rect_center({0, 0, 5, 5}), (Point32{2, 2}));
    EXPECT_EQ(rect_center({-5, -5, 0, 0}), (Point32{-2, -2}));
    EXPECT_EQ(rect_center({INT32_MAX - 2, 0, INT32_MAX, 2}), (Point32{INT32_MAX - 1, 1}));
    // A 300 x 100 pin at scale 2 rotated: 202 x 602 on the same centre.
    const Rect old{100, 100, 702, 302};
    const Size32 turned = pin_outer_size(100, 300, 2.0f);
    ASSERT_EQ(turned, (Size32{202, 602}));
    const Point32 o = recentred_origin(old, turned);
    EXPECT_EQ(o, (Point32{300, -100}));
    EXPECT_EQ(rect_center({o.x, o.y, o.x + turned.w, o.y + turned.h}), rect_center(old));
}

TEST(PinGeometry, ThumbnailScaleMakesTheLongerSide96Dip) {
    EXPECT_FLOAT_EQ(thumbnail_scale(144, 2000, 500), 144.0f / 2000.0f);
    EXPECT_FLOAT_EQ(thumbnail_scale(96, 300, 1200), 96.0f / 1200.0f);
    EXPECT_FLOAT_EQ(thumbnail_scale(0, 960, 10), 0.1f);  // a DPI below 96 counts as 96
}

TEST(PinGeometry, CtrlWheelOpacityStepsAndStops) {
    std::vector<int> down;
    uint8_t p = 100;
    for (int i = 0; i < 11; ++i) down.push_back(p = wheel_opacity(p, -120));
    EXPECT_EQ(down, (std::vector<int>{90, 80, 70, 60, 50, 40, 30, 20, 10, 10, 10}));
    EXPECT_EQ(wheel_opacity(100, 120), 100);
    EXPECT_EQ(wheel_opacity(10, 30), 20);
    EXPECT_EQ(clamp_pin_opacity(-5), 10);
    EXPECT_EQ(clamp_pin_opacity(250), 100);
    EXPECT_EQ(pin_alpha(80), 204);
    EXPECT_EQ(pin_alpha(100), 255);
    EXPECT_EQ(pin_alpha(0), 25);  // clamped to 10 first
}

TEST(PinGeometry, LabelTextsAndLayout) {
    EXPECT_EQ(zoom_label_text(1.1f), "110%");
    EXPECT_EQ(zoom_label_text(0.05f), "5%");
    EXPECT_EQ(opacity_label_text("Opacity", 80), "Opacity 80%");
    struct Case {
        uint32_t dpi;
        PinLabelMetrics want;
    };
    const Case cases[] = {{96, {12, 6, 3}}, {0, {12, 6, 3}}, {144, {18, 9, 5}}, {120, {15, 8, 4}}};
    for (const Case& c : cases) {
        const PinLabelMetrics m = pin_label_metrics(c.dpi);
        EXPECT_EQ(m.font_height, c.want.font_height) << c.dpi;
        EXPECT_EQ(m.pad, c.want.pad) << c.dpi;
        EXPECT_EQ(m.radius, c.want.radius) << c.dpi;
    }
    EXPECT_EQ(pin_label_box(pin_label_metrics(96), 40, 14), (Rect{7, 7, 7 + 40 + 12, 7 + 14 + 6}));
}

TEST(PinGeometry, PrintPlacement) {
    struct Case {
        int32_t w, h, horz, vert, lx, ly;
        std::optional<Rect> want;
    };
    const Case cases[] = {
        {4000, 1000, 4800, 6000, 600, 600, Rect{0, 0, 4800, 1200}},
        {100, 100, 4800, 6000, 600, 600, Rect{2087, 0, 2087 + 625, 625}},
        // Twice as many dots down as across: twice the height in dots, the same picture.
        {100, 100, 4800, 12000, 600, 1200, Rect{2087, 0, 2087 + 625, 1250}},
        // A tall image on such a printer is bounded by the page's height in its own dots.
        {100, 1000, 4800, 12000, 600, 1200, Rect{2100, 0, 2100 + 600, 12000}},
        // A page of 2^31 dots: the sizes stay on it.
        {100, 100, INT32_MAX, INT32_MAX, 600, 600, Rect{(INT32_MAX - 625) / 2, 0, (INT32_MAX - 625) / 2 + 625, 625}},
        {0, 10, 4800, 6000, 600, 600, std::nullopt},
        {10, 10, 4800, 6000, 0, 600, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(print_placement(c.w, c.h, c.horz, c.vert, c.lx, c.ly), c.want) << c.w << "x" << c.h;
}

TEST(PinGeometry, NewPinsFitTheirMonitor) {
    const Rect monitor{0, 0, 1920, 1080};
    const PinPlacement big = place_pin_centred(4000, 3000, monitor, 960, 540);
    EXPECT_FLOAT_EQ(big.scale, 0.324f);
    EXPECT_EQ(pin_outer_size(4000, 3000, big.scale), (Size32{1298, 974}));
    EXPECT_EQ(big.x, 960 - 649);
    EXPECT_EQ(big.y, 540 - 487);
    struct Case {
        Rect monitor;
        int32_t x, y;
        int32_t want_x, want_y;
    };
    // A 100 x 50 image (102 x 52 window) centred on the cursor, pushed inside at every edge.
    const Case centred[] = {
        {monitor, 500, 500, 449, 474},
        {monitor, 0, 0, 0, 0},
        {monitor, 1919, 1079, 1920 - 102, 1080 - 52},
        {{-1920, -200, 0, 880}, -5, -199, -102, -200},
    };
    for (const Case& c : centred) {
        const PinPlacement p = place_pin_centred(100, 50, c.monitor, c.x, c.y);
        EXPECT_EQ(p.scale, 1.0f);
        EXPECT_EQ((Point32{p.x, p.y}), (Point32{c.want_x, c.want_y})) << c.x << "," << c.y;
    }
    const Case at[] = {
        {monitor, 500, 500, 500, 500},
        {monitor, 1900, 1070, 1920 - 102, 1080 - 52},
        {{-1920, -200, 0, 880}, -3000, -500, -1920, -200},
    };
    for (const Case& c : at) {
        const PinPlacement p = place_pin_at(100, 50, c.monitor, c.x, c.y);
        EXPECT_EQ((Point32{p.x, p.y}), (Point32{c.want_x, c.want_y})) << c.x << "," << c.y;
    }
}
