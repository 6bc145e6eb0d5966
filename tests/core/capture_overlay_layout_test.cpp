#include <gtest/gtest.h>

#include <algorithm>

#include "capture/overlay_layout.h"
#include "capture/readout_text.h"
#include "capture/selection_frame.h"
#include "toolbar/toolbar_layout.h"
#include "util/rect_ops.h"

namespace {
const Rect SCREEN{0, 0, 1920, 1080};

bool covered(const std::vector<Rect>& rects, int32_t x, int32_t y) {
    return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) { return r.contains(x, y); });
}
}  // namespace

TEST(SizeLabel, Text) {
    EXPECT_EQ(size_label_text({10, 20, 810, 620}, false), "800 \u00D7 600");
    EXPECT_EQ(size_label_text({10, 20, 810, 620}, true), "Element \u00B7 800 \u00D7 600");
}

TEST(SizeLabel, AboveInsideAndClamped) {
    // Text 60 x 16 at scale 1: a label of 72 x 22.
    struct Case { const char* what; Rect rect; Rect monitor; float scale; Rect out; };
    const Case cases[] = {
        {"above", {100, 100, 500, 400}, SCREEN, 1.0f, {100, 72, 172, 94}},
        {"exactly fits above", {100, 28, 500, 400}, SCREEN, 1.0f, {100, 0, 172, 22}},
        {"inside at the monitor's top", {100, 27, 500, 400}, SCREEN, 1.0f, {106, 33, 178, 55}},
        {"clamped at the right", {1900, 100, 1920, 400}, SCREEN, 1.0f, {1848, 72, 1920, 94}},
        {"inside and clamped", {1900, 0, 1920, 400}, SCREEN, 1.0f, {1848, 6, 1920, 28}},
        {"clamped at a monitor's left", {1900, 500, 2500, 900}, {1920, 0, 3840, 1080}, 1.0f, {1920, 472, 1992, 494}},
        {"scale 1.5", {100, 100, 500, 400}, SCREEN, 1.5f, {100, 66, 178, 91}},
    };
    for (const Case& c : cases) EXPECT_EQ(size_label_place(c.rect, {60, 16}, c.monitor, c.scale), c.out) << c.what;
}

TEST(SizeLabel, ClearOfTheToolbarAndOnTheMonitor) {
    // The toolbar as the overlay places it, with and without an option row; label 72 x 22.
    const MeasureText measure = [](std::string_view t) { return TextSize{static_cast<int32_t>(t.size()) * 7, 16}; };
    struct Case { const char* what; Rect sel; std::optional<Tool> tool; float scale; };
    const Case cases[] = {
        {"toolbar above a selection touching the bottom", {100, 1040, 150, 1080}, std::nullopt, 1.0f},
        {"wide selection touching the bottom", {100, 700, 1000, 1080}, std::nullopt, 1.0f},
        {"block with option row above a small bottom-left selection", {0, 980, 60, 1000}, Tool::Mosaic, 1.0f},
        {"toolbar below a small selection in the bottom-left corner", {0, 960, 40, 990}, std::nullopt, 1.0f},
        {"tiny selection in the bottom-left corner", {0, 1070, 10, 1080}, Tool::Text, 1.5f},
        {"full-screen selection: toolbar inside its bottom", SCREEN, Tool::Pen, 1.0f},
        {"selection at the top: the label inside", {500, 0, 900, 300}, std::nullopt, 1.0f},
        {"nothing in the way keeps the label above", {300, 300, 900, 700}, Tool::Pen, 1.0f},
    };
    for (const Case& c : cases) {
        const ToolbarLayout bar = layout_toolbar(c.sel, SCREEN, c.scale, false, c.tool, measure);
        const Rect block = bar.block();
        const Rect label = size_label_place(c.sel, {60, 16}, SCREEN, c.scale, block);
        EXPECT_TRUE(intersect(label, block).empty()) << c.what;
        EXPECT_TRUE(label.l >= 0 && label.t >= 0 && label.r <= 1920 && label.b <= 1080) << c.what;
        EXPECT_EQ(label.width(), size_label_place(c.sel, {60, 16}, SCREEN, c.scale).width()) << c.what;
    }
    // Where the toolbar is not in the way the label stays where it always was.
    const Rect sel{300, 300, 900, 700};
    EXPECT_EQ(size_label_place(sel, {60, 16}, SCREEN, 1.0f, layout_toolbar(sel, SCREEN, 1.0f, false, Tool::Pen, measure).block()),
              size_label_place(sel, {60, 16}, SCREEN, 1.0f));
    // Over a selection touching the bottom, the label moves inside the selection's top-left corner.
    const Rect bottom{100, 1040, 150, 1080};
    EXPECT_EQ(size_label_place(bottom, {60, 16}, SCREEN, 1.0f,
                               layout_toolbar(bottom, SCREEN, 1.0f, false, std::nullopt, measure).block()),
              (Rect{106, 1046, 178, 1068}));
}

TEST(SelectionHandles, HitTestAtToleranceAndCornersFirst) {
    const Rect sel{100, 100, 300, 200};
    using enum SelectionHandle;
    struct Case { float scale; int32_t x, y; SelectionHandle h; };
    const Case cases[] = {
        {1.0f, 94, 150, Left},        {1.0f, 93, 150, None},       {1.0f, 106, 150, Left},
        {1.0f, 107, 150, None},       {1.0f, 100, 100, TopLeft},   {1.0f, 106, 106, TopLeft},
        {1.0f, 107, 106, Top},        {1.0f, 94, 206, BottomLeft}, {1.0f, 94, 207, None},
        {1.0f, 300, 94, TopRight},    {1.0f, 300, 93, None},       {1.0f, 306, 200, BottomRight},
        {1.0f, 307, 200, None},       {1.0f, 200, 100, Top},       {1.0f, 200, 206, Bottom},
        {1.0f, 200, 150, None},       {1.0f, 306, 150, Right},
        // round(6 x 0.5) = 3 is below 5: the tolerance is 4.
        {0.5f, 96, 150, Left},        {0.5f, 95, 150, None},
        {2.0f, 88, 150, Left},        {2.0f, 87, 150, None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hit_test_handles(c.scale, sel, c.x, c.y), c.h) << c.scale << " " << c.x << "," << c.y;
    // A selection narrower than the tolerance: the left edge wins over the right.
    EXPECT_EQ(hit_test_handles(1.0f, {100, 100, 104, 200}, 103, 150), Left);
}

TEST(SelectionHandles, FrameStripsHoldTheLineAndEveryHandle) {
    for (float scale : {1.0f, 1.25f, 1.5f, 2.0f, 3.0f}) {
        const Rect sel{100, 100, 300, 200};
        const auto strips = frame_strips(sel, scale);
        const std::vector<Rect> list(strips.begin(), strips.end());
        for (const HandleSquare& h : handle_squares(sel, scale)) {
            EXPECT_TRUE(covered(list, h.outer.l, h.outer.t) && covered(list, h.outer.r - 1, h.outer.b - 1)) << scale;
            EXPECT_TRUE(h.inner.l > h.outer.l && h.inner.r < h.outer.r) << scale;
        }
        const Rect line = frame_line_rect(sel, scale);
        EXPECT_TRUE(covered(list, line.l, line.t) && covered(list, line.r - 1, line.b - 1)) << scale;
    }
    EXPECT_EQ(frame_strips({100, 100, 300, 200}, 1.0f)[0], (Rect{92, 92, 308, 108}));
    EXPECT_EQ(frame_strips({100, 100, 300, 200}, 1.0f)[3], (Rect{292, 92, 308, 208}));
}

TEST(OverlayLayout, SelectionRectangleByState) {
    const Rect hovered{50, 50, 90, 90};
    struct Case { const char* what; std::optional<Rect> confirmed; MouseState state; bool moved; int32_t sx, sy, cx, cy;
                  std::optional<Rect> out; };
    const Case cases[] = {
        {"confirmed", Rect{1, 2, 3, 4}, MouseState::Idle, false, 0, 0, 0, 0, Rect{1, 2, 3, 4}},
        {"hovered while idle", std::nullopt, MouseState::Idle, false, 0, 0, 0, 0, hovered},
        {"press not yet moved", std::nullopt, MouseState::Selecting, false, 10, 10, 12, 12, hovered},
        {"drag down-right", std::nullopt, MouseState::Selecting, true, 10, 10, 20, 30, Rect{10, 10, 21, 31}},
        {"drag up-left", std::nullopt, MouseState::Selecting, true, 20, 30, 10, 10, Rect{10, 10, 21, 31}},
        {"drag out of the overlay", std::nullopt, MouseState::Selecting, true, 10, 10, -40, 5000, Rect{0, 10, 11, 1080}},
        {"resizing", Rect{5, 5, 50, 50}, MouseState::ResizingSelection, false, 0, 0, 0, 0, Rect{5, 5, 50, 50}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout_selection_rect(c.confirmed, c.state, c.moved, c.sx, c.sy, c.cx, c.cy, hovered, 1920, 1080), c.out)
            << c.what;
}

TEST(OverlayLayout, PartsInOrderAndGrown) {
    LayoutParts in;
    in.selection = Rect{100, 100, 300, 200};
    in.size_label = Rect{100, 72, 172, 94};
    in.toolbar = Rect{0, 208, 827, 248};
    in.tooltip = Rect{10, 170, 60, 194};
    in.annotation_bounds = Rect{120, 120, 140, 140};
    in.text_box = Rect{200, 150, 240, 170};
    in.magnifier = Rect{320, 220, 456, 418};
    const OverlayLayout l = overlay_layout(in, 1.0f);
    ASSERT_EQ(l.parts.size(), 9u);
    EXPECT_EQ(l.parts[4], *in.size_label);
    EXPECT_EQ(l.parts[5], *in.toolbar);
    EXPECT_EQ(l.parts[6], *in.tooltip);
    EXPECT_EQ(l.parts[7], (Rect{109, 109, 246, 176}));  // grown by 7 + 4, joined with the text box grown by 6
    EXPECT_EQ(l.parts[8], (Rect{318, 218, 458, 420}));

    // Without a selection rectangle only the editor's box and the magnifier remain.
    in.selection.reset();
    in.annotation_bounds.reset();
    const OverlayLayout bare = overlay_layout(in, 1.0f);
    ASSERT_EQ(bare.parts.size(), 2u);
    EXPECT_EQ(bare.parts[0], (Rect{194, 144, 246, 176}));
}

TEST(OverlayLayout, DragStepRepaintsOnlyWhatChanged) {
    auto layout_for = [](const Rect& sel, int32_t cx, int32_t cy) {
        LayoutParts in;
        in.selection = sel;
        in.magnifier = Rect{cx + 20, cy + 20, cx + 156, cy + 218};
        return overlay_layout(in, 1.0f);
    };
    const OverlayLayout before = layout_for({100, 100, 900, 700}, 900, 700);
    const OverlayLayout after = layout_for({100, 100, 905, 703}, 905, 703);
    const std::vector<Rect> changes = layout_changes(before, after, {Rect{500, 500, 510, 510}});
    // The new strips of the selection, old and new frames and magnifiers, the dirty rectangle.
    ASSERT_EQ(changes.size(), 2u + 5u + 5u + 1u);
    EXPECT_EQ(changes[0], (Rect{100, 700, 905, 703}));
    EXPECT_EQ(changes[1], (Rect{900, 100, 905, 700}));
    EXPECT_TRUE(covered(changes, 904, 702));
    EXPECT_TRUE(covered(changes, 505, 505));
    EXPECT_FALSE(covered(changes, 500, 400));  // the selection's inside is left alone

    EXPECT_EQ(layout_changes(before, before, {}).size(), 10u);  // both lists, the same rectangles
    const OverlayLayout none = overlay_layout({}, 1.0f);
    const std::vector<Rect> dropped = layout_changes(before, none, {});
    EXPECT_TRUE(covered(dropped, 500, 400));
}

TEST(RectOps, SubtractAndSymmetricDifference) {
    struct Case { Rect a, b; std::vector<Rect> out; };
    const Case cases[] = {
        {{0, 0, 10, 10}, {20, 20, 30, 30}, {{0, 0, 10, 10}}},
        {{0, 0, 10, 10}, {0, 0, 10, 10}, {}},
        {{0, 0, 10, 10}, {2, 3, 5, 7}, {{0, 0, 10, 3}, {0, 7, 10, 10}, {0, 3, 2, 7}, {5, 3, 10, 7}}},
        {{0, 0, 10, 10}, {-5, -5, 5, 20}, {{5, 0, 10, 10}}},
        {{}, {0, 0, 1, 1}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(subtract(c.a, c.b), c.out);
    EXPECT_EQ(symmetric_difference({0, 0, 10, 10}, {5, 0, 15, 10}), (std::vector<Rect>{{0, 0, 5, 10}, {10, 0, 15, 10}}));
    EXPECT_EQ(unite({}, {1, 1, 2, 2}), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(grow({0, 0, 1, 1}, 3), (Rect{-3, -3, 4, 4}));
}
