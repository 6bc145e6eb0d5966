#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/presets.h"

namespace {
const Rect SEL{100, 100, 900, 700};

Editor editor_with(Tool tool, float scale = 1.0f) {
    Editor e = make_editor(ToolSettings{}, scale, SEL, nullptr, nullptr);
    e.tool = tool;
    return e;
}

void drag(Editor& e, AnnotationPoint from, AnnotationPoint to, bool shift = false) {
    editor_mouse_down(e, from.x, from.y, shift);
    editor_mouse_move(e, (from.x + to.x) / 2, (from.y + to.y) / 2, shift);
    editor_mouse_move(e, to.x, to.y, shift);
    editor_mouse_up(e, to.x, to.y);
}

void click(Editor& e, float x, float y) {
    editor_mouse_down(e, x, y, false);
    editor_mouse_up(e, x, y);
}

Annotation rect_at(float l, float t, float r, float b) {
    Annotation a;
    a.kind = Tool::Rectangle;
    a.points = {{l, t}, {r, b}};
    a.width = 4;
    return a;
}

bool covers(const std::vector<Rect>& rects, const Rect& want) {
    // Union of every dirty rectangle holds `want`, pixel by pixel along its border and centre.
    const auto hit = [&](int32_t x, int32_t y) {
        for (const Rect& r : rects) if (r.contains(x, y)) return true;
        return false;
    };
    for (int32_t x = want.l; x < want.r; ++x) if (!hit(x, want.t) || !hit(x, want.b - 1)) return false;
    for (int32_t y = want.t; y < want.b; ++y) if (!hit(want.l, y) || !hit(want.r - 1, y)) return false;
    return true;
}
}  // namespace

TEST(EditorUndo, DepthAndRedoRules) {
    Editor e = editor_with(Tool::None);
    for (int i = 0; i < 201; ++i) {
        push_undo(e);
        e.annotations.push_back(rect_at(static_cast<float>(i), 0, 10, 10));
    }
    EXPECT_EQ(e.undo_stack.size(), UNDO_DEPTH);
    EXPECT_EQ(e.undo_stack.front().size(), 1u);  // the entry of the empty list was dropped

    undo(e);
    undo(e);
    EXPECT_EQ(e.annotations.size(), 199u);
    EXPECT_EQ(e.redo_stack.size(), 2u);
    redo(e);  // redo keeps the rest of redo
    EXPECT_EQ(e.annotations.size(), 200u);
    EXPECT_EQ(e.redo_stack.size(), 1u);
    EXPECT_TRUE(e.dirty);
    EXPECT_EQ(e.dirty_rects.back(), (Rect{88, 88, 912, 712}));  // selection grown by 12

    push_undo(e);  // a new change after undo empties redo
    EXPECT_TRUE(e.redo_stack.empty());
    Editor fresh = editor_with(Tool::None);
    undo(fresh);  // empty stacks: nothing happens
    EXPECT_FALSE(fresh.dirty);
}

TEST(EditorCreate, EachKindAndTheDropRule) {
    struct Case {
        Tool tool;
        AnnotationPoint from, to;
        size_t kept;       // annotations after the drag
        size_t points;     // of the kept one
    };
    const Case cases[] = {
        {Tool::Rectangle, {200, 200}, {300, 250}, 1, 2},
        {Tool::Rectangle, {200, 200}, {202, 202}, 0, 0},  // a click leaves nothing
        {Tool::Ellipse, {200, 200}, {200, 203}, 1, 2},    // 3 pixels in one axis is enough
        {Tool::Arrow, {200, 200}, {202, 201}, 0, 0},
        {Tool::Spotlight, {200, 200}, {400, 300}, 1, 2},
        {Tool::Pen, {200, 200}, {260, 230}, 1, 3},
        {Tool::Pen, {200, 200}, {200.5f, 200}, 0, 0},     // one point: dropped
        {Tool::Highlighter, {200, 200}, {300, 200}, 1, 3},
        {Tool::Mosaic, {200, 200}, {300, 300}, 1, 2},     // boxed by default
    };
    for (const Case& c : cases) {
        Editor e = editor_with(c.tool);
        drag(e, c.from, c.to);
        ASSERT_EQ(e.annotations.size(), c.kept) << static_cast<int>(c.tool);
        EXPECT_FALSE(e.in_progress.has_value());
        if (!c.kept) {
            EXPECT_TRUE(e.undo_stack.empty());
            continue;
        }
        const Annotation& a = e.annotations[0];
        EXPECT_EQ(a.kind, c.tool);
        EXPECT_EQ(a.points.size(), c.points) << static_cast<int>(c.tool);
        EXPECT_EQ(a.color, 0xFFFF3B30u);
        EXPECT_EQ(a.width, tool_width(1, c.tool, 1));
        EXPECT_EQ(e.selected, 0u);
        EXPECT_EQ(e.undo_stack.size(), 1u);
        EXPECT_TRUE(e.dirty);
    }
}

TEST(EditorCreate, NewAnnotationTakesTheEditorsStyles) {
    Editor e = editor_with(Tool::None, 1.5f);
    e.tools.fill = true;
    e.tools.size_steps[static_cast<size_t>(Tool::Number)] = 2;
    EXPECT_TRUE(new_annotation(e, Tool::Ellipse, 1, 2).filled);
    EXPECT_FALSE(new_annotation(e, Tool::Arrow, 1, 2).filled);
    EXPECT_EQ(new_annotation(e, Tool::Number, 1, 2).width, 60);     // 1.5 x 40
    EXPECT_EQ(new_annotation(e, Tool::Number, 1, 2).points.size(), 1u);
    EXPECT_EQ(new_annotation(e, Tool::Text, 1, 2).points.size(), 1u);
    EXPECT_EQ(new_annotation(e, Tool::Eraser, 1, 2).kind, Tool::Rectangle);
    EXPECT_TRUE(new_annotation(e, Tool::Mosaic, 1, 2).boxed);
    EXPECT_FALSE(new_annotation(e, Tool::Highlighter, 1, 2).boxed);
    EXPECT_EQ(new_annotation(e, Tool::Highlighter, 1, 2).points.size(), 1u);
    EXPECT_EQ(tool_width(0.1f, Tool::Pen, 0), 1);  // never below 1
}

TEST(EditorPolyline, ClicksAddVerticesAndFinishThins) {
    Editor e = editor_with(Tool::Line);
    click(e, 200, 200);
    ASSERT_EQ(e.drag, EditorDrag::Polyline);
    editor_mouse_move(e, 300, 210, false);  // rubber band
    click(e, 300, 210);
    click(e, 300.5f, 210.5f);               // closer than 1 pixel: thinned away
    editor_mouse_move(e, 400, 400, true);
    click(e, 400, 300);
    editor_mouse_move(e, 500, 500, false);
    finish_annotation(e);
    ASSERT_EQ(e.annotations.size(), 1u);
    EXPECT_EQ(e.annotations[0].points, (std::vector<AnnotationPoint>{{200, 200}, {300, 210}, {400, 300}}));
    EXPECT_EQ(e.drag, EditorDrag::None);
    EXPECT_EQ(e.undo_stack.size(), 1u);

    // Shift turns the new segment to 45 degrees.
    Editor s = editor_with(Tool::Line);
    click(s, 200, 200);
    editor_mouse_down(s, 300, 290, true);
    editor_mouse_up(s, 300, 290);
    finish_annotation(s);
    ASSERT_EQ(s.annotations.size(), 1u);
    EXPECT_NEAR(s.annotations[0].points[1].x - 200, s.annotations[0].points[1].y - 200, 1e-3);

    // A polyline of one point is dropped; a tool change finishes an open one.
    Editor one = editor_with(Tool::Line);
    click(one, 200, 200);
    finish_annotation(one);
    EXPECT_TRUE(one.annotations.empty());
    EXPECT_TRUE(one.undo_stack.empty());
    Editor changed = editor_with(Tool::Line);
    click(changed, 200, 200);
    click(changed, 250, 260);
    set_tool(changed, Tool::Pen);
    EXPECT_EQ(changed.annotations.size(), 1u);
    EXPECT_EQ(changed.tool, Tool::Pen);
}

TEST(EditorNumber, ContinuesFromTheLargest) {
    Editor e = editor_with(Tool::Number);
    for (float x : {200.f, 300.f, 400.f}) click(e, x, 200);
    ASSERT_EQ(e.annotations.size(), 3u);
    EXPECT_EQ(e.annotations[2].number, 3u);
    e.selected = 0;
    delete_selected(e);
    e.selected = 0;
    delete_selected(e);  // 1 and 2 gone
    click(e, 500, 200);
    EXPECT_EQ(e.annotations.back().number, 4u);
    EXPECT_EQ(e.annotations.back().points, (std::vector<AnnotationPoint>{{500, 200}}));
}

TEST(EditorResize, HandlesCrossTheOppositeEdge) {
    struct Case {
        const char* what;
        AnnotationPoint press, to;
        bool shift;
        std::vector<AnnotationPoint> handles;  // afterwards, top-left first
    };
    // Rectangle 200..300 x 200..260, handles 0 (200,200) 1 (300,200) 2 (300,260) 3 (200,260).
    const Case cases[] = {
        {"top-right past the left edge", {300, 200}, {150, 220}, false,
         {{150, 220}, {200, 220}, {200, 260}, {150, 260}}},
        {"bottom-right past the top-left", {300, 260}, {180, 190}, false,
         {{180, 190}, {200, 190}, {200, 200}, {180, 200}}},
        // Shift: both sides from the opposite corner take the larger of |dx| and |dy|.
        {"top-left with shift: a square", {200, 200}, {250, 240}, true,
         {{250, 210}, {300, 210}, {300, 260}, {250, 260}}},
        {"bottom-left with shift", {200, 260}, {150, 300}, true,
         {{150, 200}, {300, 200}, {300, 350}, {150, 350}}},
    };
    for (const Case& c : cases) {
        Editor e = editor_with(Tool::Rectangle);
        drag(e, {200, 200}, {300, 260});
        ASSERT_EQ(e.selected, 0u);
        drag(e, c.press, c.to, c.shift);
        ASSERT_EQ(e.annotations.size(), 1u) << c.what;
        EXPECT_EQ(e.annotations[0].points.size(), 2u) << c.what;
        EXPECT_EQ(annot_handle_points(e.annotations[0]), c.handles) << c.what;
        EXPECT_EQ(e.undo_stack.size(), 2u) << c.what;
    }

    // Arrow: each end follows, Shift snaps to 45 degrees from the other.
    Editor a = editor_with(Tool::Arrow);
    drag(a, {200, 200}, {300, 200});
    drag(a, {300, 200}, {300, 290}, true);
    EXPECT_NEAR(a.annotations[0].points[1].x - 200, a.annotations[0].points[1].y - 200, 1e-3);
}

TEST(EditorPress, CornerResizesBorderMovesElsewhereDraws) {
    Editor e = editor_with(Tool::Rectangle);
    drag(e, {200, 200}, {300, 260});
    editor_mouse_down(e, 301, 261, false);
    EXPECT_EQ(e.drag, EditorDrag::Resizing);
    editor_mouse_up(e, 301, 261);
    editor_mouse_down(e, 250, 201, false);
    EXPECT_EQ(e.drag, EditorDrag::Moving);
    editor_mouse_move(e, 260, 211, false);
    editor_mouse_up(e, 260, 211);
    EXPECT_EQ(e.annotations[0].points, (std::vector<AnnotationPoint>{{210, 210}, {310, 270}}));
    editor_mouse_down(e, 500, 500, false);
    EXPECT_EQ(e.drag, EditorDrag::Drawing);
    EXPECT_FALSE(e.selected.has_value());
}

TEST(EditorPress, SelectOnlyKeepsUndoAndRedo) {
    Editor e = editor_with(Tool::Rectangle);
    drag(e, {200, 200}, {300, 260});
    drag(e, {400, 400}, {500, 460});
    undo(e);
    ASSERT_EQ(e.redo_stack.size(), 1u);
    const auto undo_before = e.undo_stack;
    set_tool(e, Tool::None);
    // Select and press without moving, with tool none and on a handle.
    click(e, 200, 230);
    EXPECT_EQ(e.selected, 0u);
    click(e, 300, 260);
    editor_mouse_down(e, 250, 200, false);
    editor_mouse_move(e, 250, 200, false);
    editor_mouse_up(e, 250, 200);
    EXPECT_EQ(e.redo_stack.size(), 1u);
    EXPECT_EQ(e.undo_stack, undo_before);

    // A move that comes back to its start leaves no undo step either, keeps redo and the
    // change flag, and at full depth keeps the oldest step.
    e.dirty = false;
    editor_mouse_down(e, 250, 200, false);
    editor_mouse_move(e, 280, 220, false);
    editor_mouse_move(e, 250, 200, false);
    editor_mouse_up(e, 250, 200);
    EXPECT_EQ(e.undo_stack, undo_before);
    EXPECT_EQ(e.redo_stack.size(), 1u);
    EXPECT_FALSE(e.dirty);
    while (e.undo_stack.size() < UNDO_DEPTH) e.undo_stack.push_front({rect_at(1, 1, 9, 9)});
    const auto full = e.undo_stack;
    editor_mouse_down(e, 300, 260, false);  // the corner handle: a resize
    editor_mouse_move(e, 330, 290, false);
    editor_mouse_move(e, 300, 260, false);
    editor_mouse_up(e, 300, 260);
    EXPECT_TRUE(e.undo_stack == full);  // (200 lists: too long to print)
    EXPECT_EQ(e.redo_stack.size(), 1u);
    e.undo_stack = undo_before;

    // A real move: one undo step, and undo puts it back.
    drag(e, {250, 200}, {270, 200});
    EXPECT_EQ(e.undo_stack.size(), undo_before.size() + 1);
    EXPECT_TRUE(e.redo_stack.empty());
    undo(e);
    EXPECT_EQ(e.annotations[0].points, (std::vector<AnnotationPoint>{{200, 200}, {300, 260}}));
}

TEST(EditorPress, ToolNoneMissGoesBackToTheSelection) {
    Editor e = editor_with(Tool::None);
    e.annotations.push_back(rect_at(200, 200, 300, 300));
    EXPECT_FALSE(editor_mouse_down(e, 600, 600, false));
    EXPECT_EQ(e.drag, EditorDrag::None);
    EXPECT_TRUE(editor_mouse_down(e, 300, 250, false));
    EXPECT_EQ(e.drag, EditorDrag::Moving);
}

TEST(EditorPress, DrawingIsClampedIntoTheSelection) {
    Editor e = editor_with(Tool::Rectangle);
    drag(e, {150, 150}, {2000, -50});
    ASSERT_EQ(e.annotations.size(), 1u);
    EXPECT_EQ(e.annotations[0].points, (std::vector<AnnotationPoint>{{150, 150}, {899, 100}}));
}

TEST(EditorEraser, OneUndoStepPerStrokeAndTheRawPoint) {
    Editor e = editor_with(Tool::Eraser);
    e.annotations = {rect_at(200, 200, 300, 300), rect_at(400, 200, 500, 300), rect_at(600, 200, 700, 300)};
    editor_mouse_down(e, 200, 250, false);
    editor_mouse_move(e, 450, 200, false);
    editor_mouse_move(e, 500, 250, false);
    editor_mouse_up(e, 500, 250);
    EXPECT_EQ(e.annotations.size(), 1u);
    EXPECT_EQ(e.undo_stack.size(), 1u);
    EXPECT_EQ(e.undo_stack[0].size(), 3u);
    // Outside the selection the press erases nothing, though its clamped point would hit.
    e.annotations.push_back(rect_at(100, 400, 200, 500));
    editor_mouse_down(e, 95, 450, false);
    editor_mouse_up(e, 95, 450);
    EXPECT_EQ(e.annotations.size(), 2u);
    // A stroke that erases nothing adds no step.
    drag(e, {800, 600}, {850, 650});
    EXPECT_EQ(e.undo_stack.size(), 1u);
}

TEST(EditorStyle, ColourAndSizeOnTheSelectedAnnotation) {
    Editor e = editor_with(Tool::Pen);
    drag(e, {200, 200}, {300, 300});
    apply_color(e, 0xFF007AFF);  // a drawing tool: only the current colour
    EXPECT_EQ(e.annotations[0].color, 0xFFFF3B30u);
    EXPECT_EQ(e.tools.colour, 0xFF007AFFu);
    apply_size(e, 7);            // clamped to large; the tool's step only
    EXPECT_EQ(e.tools.size_steps[static_cast<size_t>(Tool::Pen)], 2u);
    EXPECT_EQ(e.annotations[0].width, 4);

    set_tool(e, Tool::None);
    e.selected = 0;
    const size_t steps = e.undo_stack.size();
    apply_color(e, 0xFF34C759);
    apply_size(e, 0);
    EXPECT_EQ(e.annotations[0].color, 0xFF34C759u);
    EXPECT_EQ(e.annotations[0].width, 2);
    EXPECT_EQ(e.undo_stack.size(), steps + 2);
    apply_size(e, 0);  // no change, no step
    EXPECT_EQ(e.undo_stack.size(), steps + 2);

    e.tool = Tool::Spotlight;
    apply_size(e, 2);
    EXPECT_EQ(e.tools.size_steps[static_cast<size_t>(Tool::Spotlight)], 1u);
}

TEST(EditorRepaint, DirtyRectanglesCoverWideStrokes) {
    // Moving a large Number and a wide highlighter stroke repaints all of both places.
    Editor e = editor_with(Tool::Number);
    e.tools.size_steps[static_cast<size_t>(Tool::Number)] = 2;  // diameter 40
    click(e, 300, 300);
    set_tool(e, Tool::None);
    e.dirty_rects.clear();
    drag(e, {300, 300}, {400, 380});
    EXPECT_TRUE(covers(e.dirty_rects, {278, 278, 322, 322}));
    EXPECT_TRUE(covers(e.dirty_rects, {378, 358, 422, 402}));

    Editor h = editor_with(Tool::Highlighter);
    h.tools.size_steps[static_cast<size_t>(Tool::Highlighter)] = 2;  // width 32
    drag(h, {300, 300}, {400, 300});
    EXPECT_TRUE(covers(h.dirty_rects, {282, 282, 418, 318}));
    h.dirty_rects.clear();
    set_tool(h, Tool::Eraser);
    drag(h, {350, 300}, {350, 301});
    EXPECT_TRUE(covers(h.dirty_rects, {282, 282, 418, 318}));

    // A Spotlight dims the whole selection around it.
    Editor s = editor_with(Tool::Spotlight);
    drag(s, {300, 300}, {400, 400});
    EXPECT_TRUE(covers(s.dirty_rects, SEL));
}

TEST(EditorKeys, DeleteAndNudge) {
    Editor e = editor_with(Tool::None);
    e.annotations = {rect_at(200, 200, 300, 300)};
    nudge_selected(e, 1, 1);  // nothing selected
    EXPECT_TRUE(e.undo_stack.empty());
    e.selected = 0;
    nudge_selected(e, -10, 1);
    EXPECT_EQ(e.annotations[0].points[0], (AnnotationPoint{190, 201}));
    delete_selected(e);
    EXPECT_TRUE(e.annotations.empty());
    EXPECT_EQ(e.undo_stack.size(), 2u);
    e.selected = 5;  // no longer valid: no selection
    delete_selected(e);
    EXPECT_EQ(e.undo_stack.size(), 2u);
}

TEST(EditorAdd, AddedAnnotationsAreOneUndoStep) {
    Editor e = editor_with(Tool::Line);
    click(e, 200, 200);
    click(e, 300, 300);  // an open polyline is finished first
    add_annotations(e, {rect_at(400, 400, 500, 450), rect_at(600, 400, 700, 450)});
    EXPECT_EQ(e.annotations.size(), 3u);
    EXPECT_EQ(e.undo_stack.size(), 2u);
    EXPECT_TRUE(covers(e.dirty_rects, {598, 398, 702, 452}));
    undo(e);
    EXPECT_EQ(e.annotations.size(), 1u);
    add_annotations(e, {});
    EXPECT_EQ(e.undo_stack.size(), 1u);
}

TEST(EditorHandles, FoundWithinTheirTolerance) {
    Editor e = editor_with(Tool::None, 2.0f);  // T = 14 x 0.5 + 3 = 10
    e.annotations = {rect_at(200, 200, 300, 300)};
    EXPECT_FALSE(selected_handle_at(e, 200, 200).has_value());
    e.selected = 0;
    EXPECT_EQ(selected_handle_at(e, 210, 190), 0u);
    EXPECT_EQ(selected_handle_at(e, 290, 310), 2u);
    EXPECT_FALSE(selected_handle_at(e, 211, 200).has_value());
}

TEST(EditorPress, APressDuringADragEndsThatDragFirst) {
    // The release never came (the button went up outside, capture was lost unnoticed).
    Editor e = editor_with(Tool::Rectangle);
    editor_mouse_down(e, 200, 200, false);
    editor_mouse_move(e, 300, 300, false);
    editor_mouse_down(e, 500, 500, false);
    ASSERT_EQ(e.annotations.size(), 1u);
    EXPECT_EQ(e.drag, EditorDrag::Drawing);
    EXPECT_EQ(e.in_progress->points.front(), (AnnotationPoint{500, 500}));

    // A move whose annotation is no longer the selected one changes nothing.
    set_tool(e, Tool::None);
    e.annotations.push_back(rect_at(600, 200, 700, 300));
    editor_mouse_down(e, 200, 250, false);
    ASSERT_EQ(e.drag, EditorDrag::Moving);
    set_selection(e, 1);
    editor_mouse_move(e, 250, 250, false);
    EXPECT_EQ(e.drag, EditorDrag::None);
    EXPECT_EQ(e.annotations[0].points[0], (AnnotationPoint{200, 200}));
    EXPECT_EQ(e.annotations[1].points[0], (AnnotationPoint{600, 200}));
}
