#include <gtest/gtest.h>

#include <cmath>

#include "annot/geometry.h"

namespace {
Annotation make(Tool kind, std::vector<AnnotationPoint> pts, float width = 4, bool filled = false, bool boxed = false) {
    Annotation a;
    a.kind = kind;
    a.points = std::move(pts);
    a.width = width;
    a.filled = filled;
    a.boxed = boxed;
    return a;
}

// Text outlines reach 10 pixels right and 8 down from the point, as a font would give.
std::optional<Rect> fake_text_bounds(const Annotation& a) {
    const auto x = static_cast<int32_t>(a.points[0].x), y = static_cast<int32_t>(a.points[0].y);
    return Rect{x, y, x + 10, y + 8};
}
}  // namespace

TEST(AnnotHitTest, EachKindByItsShape) {
    struct Case {
        const char* what;
        Annotation a;
        float x, y, tol;
        bool hit;
    };
    const Case cases[] = {
        // Rectangle 10..110 x 10..60, width 4: E = 2 + tol.
        {"outlined rect: on border", make(Tool::Rectangle, {{10, 10}, {110, 60}}), 10, 30, 0, true},
        {"outlined rect: just inside band", make(Tool::Rectangle, {{10, 10}, {110, 60}}), 15, 30, 5, true},
        {"outlined rect: deep inside", make(Tool::Rectangle, {{10, 10}, {110, 60}}), 60, 35, 5, false},
        {"outlined rect: outside band", make(Tool::Rectangle, {{10, 10}, {110, 60}}), 2, 30, 5, false},
        {"filled rect: deep inside", make(Tool::Rectangle, {{110, 60}, {10, 10}}, 4, true), 60, 35, 0, true},
        {"filled rect: grown edge", make(Tool::Rectangle, {{10, 10}, {110, 60}}, 4, true), 3.5f, 30, 5, true},
        // Ellipse centred (60, 35), rx 50, ry 25.
        {"outlined ellipse: on the curve", make(Tool::Ellipse, {{10, 10}, {110, 60}}), 110, 35, 0, true},
        {"outlined ellipse: centre", make(Tool::Ellipse, {{10, 10}, {110, 60}}), 60, 35, 5, false},
        {"outlined ellipse: box corner", make(Tool::Ellipse, {{10, 10}, {110, 60}}), 11, 11, 5, false},
        {"filled ellipse: centre", make(Tool::Ellipse, {{10, 10}, {110, 60}}, 4, true), 60, 35, 0, true},
        {"filled ellipse: box corner", make(Tool::Ellipse, {{10, 10}, {110, 60}}, 4, true), 11, 11, 0, false},
        // A flat ellipse (ry < 1) falls back to its grown box.
        {"tiny ellipse: beside", make(Tool::Ellipse, {{10, 10}, {60, 10.5f}}), 30, 15, 5, true},
        {"tiny ellipse: far", make(Tool::Ellipse, {{10, 10}, {60, 10.5f}}), 30, 20, 1, false},
        // Arrow: tolerance + 1.5 w from the segment.
        {"arrow: within 1.5w", make(Tool::Arrow, {{0, 0}, {100, 0}}, 4), 50, 6, 0, true},
        {"arrow: beyond", make(Tool::Arrow, {{0, 0}, {100, 0}}, 4), 50, 6.5f, 0, false},
        {"arrow: tolerance adds", make(Tool::Arrow, {{0, 0}, {100, 0}}, 4), 50, 10, 5, true},
        // Paths: E from the nearest segment; a zero-length segment counts as its start.
        {"pen: near second segment", make(Tool::Pen, {{0, 0}, {50, 0}, {50, 50}}), 53, 25, 1, true},
        {"pen: inside the corner", make(Tool::Pen, {{0, 0}, {50, 0}, {50, 50}}), 40, 25, 1, false},
        {"line: one point", make(Tool::Line, {{5, 5}}), 7, 7, 1, true},
        {"line: short segment", make(Tool::Line, {{5, 5}, {5.0001f, 5}}), 5, 8, 1, true},
        {"freehand highlighter", make(Tool::Highlighter, {{0, 0}, {100, 0}}, 20), 50, 10, 0, true},
        {"freehand mosaic: beside", make(Tool::Mosaic, {{0, 0}, {100, 0}}, 20), 50, 12, 1, false},
        // Boxed kinds and Spotlight: anywhere inside the grown box.
        {"boxed mosaic: inside", make(Tool::Mosaic, {{0, 0}, {100, 50}}, 30, false, true), 50, 25, 0, true},
        {"spotlight: inside", make(Tool::Spotlight, {{0, 0}, {100, 50}}), 50, 25, 0, true},
        {"spotlight: outside", make(Tool::Spotlight, {{0, 0}, {100, 50}}), 50, 60, 1, false},
        // Number: distance to its centre.
        {"number: on the disc", make(Tool::Number, {{50, 50}}, 30), 64, 50, 0, true},
        {"number: off the disc", make(Tool::Number, {{50, 50}}, 30), 66, 50, 0, false},
        // Text: inside the measured bounds, truncated point, no tolerance.
        {"text: inside", make(Tool::Text, {{10, 10}}, 20), 19.9f, 17.9f, 50, true},
        {"text: right edge excluded", make(Tool::Text, {{10, 10}}, 20), 20, 12, 50, false},
        {"no points", make(Tool::Rectangle, {}), 0, 0, 100, false},
    };
    for (const Case& c : cases) EXPECT_EQ(annot_hit_test(c.a, c.x, c.y, c.tol, fake_text_bounds), c.hit) << c.what;
    // Without a way to measure text, Text is never hit.
    EXPECT_FALSE(annot_hit_test(make(Tool::Text, {{10, 10}}), 12, 12, 5, nullptr));
}

TEST(AnnotHandles, ByKind) {
    const std::vector<AnnotationPoint> corners = {{10, 20}, {110, 20}, {110, 70}, {10, 70}};
    EXPECT_EQ(annot_handle_points(make(Tool::Rectangle, {{110, 70}, {10, 20}})), corners);
    EXPECT_EQ(annot_handle_points(make(Tool::Spotlight, {{10, 70}, {110, 20}})), corners);
    EXPECT_EQ(annot_handle_points(make(Tool::Mosaic, {{10, 20}, {110, 70}}, 30, false, true)), corners);
    EXPECT_TRUE(annot_handle_points(make(Tool::Mosaic, {{10, 20}, {110, 70}}, 30)).empty());
    EXPECT_EQ(annot_handle_points(make(Tool::Arrow, {{1, 2}, {3, 4}})), (std::vector<AnnotationPoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(annot_handle_points(make(Tool::Line, {{1, 2}, {3, 4}})).size(), 2u);
    EXPECT_TRUE(annot_handle_points(make(Tool::Line, {{1, 2}, {3, 4}, {5, 6}})).empty());
    for (Tool k : {Tool::Pen, Tool::Text, Tool::Number}) EXPECT_TRUE(annot_handle_points(make(k, {{1, 2}, {3, 4}})).empty());
}

TEST(ArrowPolygon, BarbsSitBehindTheNeck) {
    // Tail (0, 0) to tip (100, 0), width 4: h = min(60, max(16, 12)) = 16, shaft 0.8,
    // neck 3, head 8.8; the neck at tip - h, the barbs at tip - 1.18 h.
    const auto poly = arrow_polygon({0, 0}, {100, 0}, 4);
    ASSERT_TRUE(poly.has_value());
    const float expect[7][2] = {{0, 0.8f}, {84, 3}, {81.12f, 8.8f}, {100, 0}, {81.12f, -8.8f}, {84, -3}, {0, -0.8f}};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_NEAR((*poly)[i].x, expect[i][0], 1e-3) << i;
        EXPECT_NEAR((*poly)[i].y, expect[i][1], 1e-3) << i;
    }
    // A short arrow: the head takes 0.6 of its length; thin strokes keep the minimum sizes.
    const auto short_one = arrow_polygon({0, 0}, {0, 10}, 1);
    ASSERT_TRUE(short_one.has_value());
    EXPECT_NEAR((*short_one)[1].y, 4, 1e-4);             // neck at 10 - 6
    EXPECT_NEAR(std::fabs((*short_one)[2].x), 6, 1e-4);  // head half-width at least 6
    EXPECT_NEAR(std::fabs((*short_one)[0].x), 0.6, 1e-4);
    // Zero length: nothing rather than NaN.
    EXPECT_FALSE(arrow_polygon({5, 5}, {5, 5}, 4).has_value());
    EXPECT_FALSE(arrow_polygon({5, 5}, {5.0005f, 5}, 4).has_value());
}

TEST(SnapRules, FortyFiveDegreesAndSquares) {
    struct Case { AnnotationPoint to, snapped; };
    const float d = 10 / std::sqrt(2.0f);
    const Case cases[] = {
        {{10, 1}, {std::hypot(10.0f, 1.0f), 0}},
        {{7, 7.5f}, {std::hypot(7.0f, 7.5f) / std::sqrt(2.0f), std::hypot(7.0f, 7.5f) / std::sqrt(2.0f)}},
        {{-1, -10}, {0, -std::hypot(1.0f, 10.0f)}},
        {{-d, d}, {-d, d}},
        {{0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        const AnnotationPoint s = snap_45({0, 0}, c.to);
        EXPECT_NEAR(s.x, c.snapped.x, 1e-3) << c.to.x << "," << c.to.y;
        EXPECT_NEAR(s.y, c.snapped.y, 1e-3) << c.to.x << "," << c.to.y;
    }
    EXPECT_EQ(square_from({10, 10}, {40, 20}), (AnnotationPoint{40, 40}));
    EXPECT_EQ(square_from({10, 10}, {0, 60}), (AnnotationPoint{-40, 60}));
    EXPECT_EQ(square_from({10, 10}, {-20, -5}), (AnnotationPoint{-20, -20}));
}

TEST(PaintBounds, CoverEverythingEachKindDraws) {
    struct Case {
        const char* what;
        Annotation a;
        Rect at_least;  // what the drawing reaches, before anti-aliasing
    };
    const Case cases[] = {
        {"thick rectangle", make(Tool::Rectangle, {{100, 100}, {200, 150}}, 7), {96, 96, 204, 154}},
        {"number radius", make(Tool::Number, {{100, 100}}, 40), {80, 80, 120, 120}},
        {"freehand highlighter", make(Tool::Highlighter, {{100, 100}, {150, 100}}, 32), {84, 84, 166, 116}},
        {"freehand mosaic", make(Tool::Mosaic, {{100, 100}, {150, 100}}, 52), {74, 74, 176, 126}},
        {"arrow head", make(Tool::Arrow, {{100, 100}, {200, 100}}, 7), {100, 84, 200, 116}},
        {"text outline", make(Tool::Text, {{100, 100}}, 20), {100, 100, 110, 108}},
    };
    for (const Case& c : cases) {
        const Rect r = paint_bounds(c.a, fake_text_bounds);
        // Everything drawn, plus 2 pixels for anti-aliasing.
        EXPECT_LE(r.l, c.at_least.l - 2) << c.what;
        EXPECT_LE(r.t, c.at_least.t - 2) << c.what;
        EXPECT_GE(r.r, c.at_least.r + 2) << c.what;
        EXPECT_GE(r.b, c.at_least.b + 2) << c.what;
    }
    EXPECT_TRUE(paint_bounds(make(Tool::Pen, {}), nullptr).empty());
}

TEST(Bounds, OutwardAndText) {
    EXPECT_EQ(outward_rect({1.5f, -2.5f, 3.2f, 4.0f}), (Rect{1, -3, 4, 4}));
    EXPECT_EQ(annotation_bounds(make(Tool::Pen, {{3.5f, 9}, {1.2f, 2}, {7, 4.1f}}), nullptr), (Rect{1, 2, 7, 9}));
    EXPECT_EQ(annotation_bounds(make(Tool::Text, {{10, 20}}), fake_text_bounds), (Rect{10, 20, 20, 28}));
    EXPECT_EQ(annotation_bounds(make(Tool::Text, {{10, 20}}), nullptr), (Rect{10, 20, 10, 20}));
    EXPECT_EQ(outward_rect({NAN, -1e30f, 1e30f, 0}), (Rect{INT32_MIN, INT32_MIN, INT32_MAX, 0}));
}
