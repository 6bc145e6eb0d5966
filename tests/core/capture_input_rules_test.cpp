#include <gtest/gtest.h>

#include <vector>

#include "capture/overlay_cursor.h"
#include "capture/overlay_input_rules.h"

namespace {
InputContext with_selection() {
    InputContext c;
    c.selection = true;
    c.idle = true;
    c.clean = true;
    return c;
}
KeyEffect act(OverlayAction a, bool quick = false) {
    KeyEffect e;
    e.kind = KeyEffectKind::Action;
    e.action = {a, quick, 0};
    return e;
}
KeyEffect kind(KeyEffectKind k) {
    KeyEffect e;
    e.kind = k;
    return e;
}
KeyEffect tool(Tool t) {
    KeyEffect e = kind(KeyEffectKind::SetTool);
    e.tool = t;
    return e;
}
KeyEffect moved(KeyEffectKind k, int32_t dx, int32_t dy) {
    KeyEffect e = kind(k);
    e.dx = dx;
    e.dy = dy;
    return e;
}
}  // namespace

TEST(OverlayKeys, KeyTable) {
    const InputContext sel = with_selection();
    InputContext none;
    none.idle = true;
    none.clean = true;
    InputContext pin = sel;
    pin.pin_edit = true;
    pin.clean = false;
    InputContext drawn = sel;
    drawn.drawn = true;
    drawn.clean = false;
    InputContext dirty_pin = pin;
    dirty_pin.editor_dirty = true;
    InputContext shape = drawn;
    shape.shape_open = true;
    InputContext rect_tool = sel;
    rect_tool.tool = Tool::Rectangle;
    rect_tool.clean = false;
    InputContext picked = drawn;
    picked.annotation_selected = true;
    InputContext busy = sel;
    busy.idle = false;

    struct Row { uint32_t key; bool ctrl, shift; InputContext c; KeyEffect e; const char* what; };
    const Row rows[] = {
        {vk::RETURN, false, false, sel, act(OverlayAction::Copy), "Enter copies"},
        {vk::RETURN, false, false, pin, act(OverlayAction::FinishPinEdit), "Enter in a pin edit is Done"},
        {vk::RETURN, false, false, shape, kind(KeyEffectKind::FinishAnnotation), "Enter ends a polyline"},
        {vk::RETURN, false, false, none, {}, "Enter without selection"},
        {vk::ESCAPE, false, false, sel, act(OverlayAction::Close), "Esc closes"},
        {vk::ESCAPE, false, false, drawn, act(OverlayAction::ConfirmDiscard), "Esc with annotations asks"},
        {vk::ESCAPE, false, false, pin, act(OverlayAction::Close), "Esc in an unchanged pin edit"},
        {vk::ESCAPE, false, false, dirty_pin, act(OverlayAction::ConfirmDiscard), "Esc in a changed pin edit"},
        {vk::ESCAPE, false, false, shape, kind(KeyEffectKind::FinishAnnotation), "Esc ends a polyline"},
        {vk::DELETE_KEY, false, false, picked, kind(KeyEffectKind::DeleteAnnotation), "Delete"},
        {vk::BACK, false, false, drawn, {}, "Backspace with nothing selected"},
        {vk::LEFT, false, true, picked, moved(KeyEffectKind::NudgeAnnotation, -10, 0), "Shift+Left nudges"},
        {vk::DOWN, false, false, sel, moved(KeyEffectKind::MoveSelection, 0, 1), "Down moves the selection"},
        {vk::UP, false, false, drawn, moved(KeyEffectKind::MoveCursor, 0, -1), "Up moves the pointer"},
        {vk::RIGHT, false, true, none, moved(KeyEffectKind::MoveCursor, 10, 0), "Right without selection"},
        {'A', true, false, none, kind(KeyEffectKind::SelectMonitor), "Ctrl+A"},
        {'A', true, false, drawn, {}, "Ctrl+A with annotations"},
        {'C', false, false, none, act(OverlayAction::CopyColorText), "C copies the colour"},
        {'C', false, false, pin, {}, "C in a pin edit"},
        {'C', true, false, sel, act(OverlayAction::Copy), "Ctrl+C"},
        {'C', true, false, none, {}, "Ctrl+C without selection"},
        {'S', true, false, sel, act(OverlayAction::Save), "Ctrl+S"},
        {'S', true, true, sel, act(OverlayAction::Save, true), "Ctrl+Shift+S quick save"},
        {'S', false, false, sel, act(OverlayAction::ScrollCapture), "S"},
        {'S', false, false, pin, {}, "S in a pin edit"},
        {'S', false, false, busy, {}, "S while a button is held"},
        {'V', false, false, sel, act(OverlayAction::Record), "V"},
        {'D', false, false, pin, act(OverlayAction::HidePersonalData), "D in a pin edit"},
        {'O', false, false, sel, act(OverlayAction::RecognizeText), "O"},
        {'Q', false, false, sel, act(OverlayAction::DecodeQr), "Q"},
        {'P', false, false, sel, act(OverlayAction::Pin), "P"},
        {'P', false, true, sel, act(OverlayAction::LivePin), "Shift+P"},
        {vk::F3, false, true, sel, act(OverlayAction::Pin), "Shift+F3"},
        {'P', false, false, pin, {}, "P in a pin edit"},
        {'P', true, false, sel, {}, "Ctrl+P"},
        {'Z', true, false, none, kind(KeyEffectKind::Undo), "Ctrl+Z"},
        {'Z', true, true, none, kind(KeyEffectKind::Redo), "Ctrl+Shift+Z"},
        {'Y', true, false, none, kind(KeyEffectKind::Redo), "Ctrl+Y"},
        {'R', false, false, sel, tool(Tool::Rectangle), "R"},
        {'R', false, false, rect_tool, tool(Tool::None), "R twice selects no tool"},
        {'X', false, false, rect_tool, tool(Tool::Eraser), "X"},
        {'A', false, false, sel, tool(Tool::Arrow), "A"},
        {'R', false, false, none, {}, "R without selection"},
        {'M', false, false, busy, {}, "M while a button is held"},
        {'G', false, false, sel, {}, "unnamed key"},
    };
    for (const Row& r : rows) EXPECT_EQ(map_key(r.key, r.ctrl, r.shift, r.c), r.e) << r.what;

    KeyEffect size = kind(KeyEffectKind::ApplySize);
    size.size = 2;
    EXPECT_EQ(map_key('3', false, false, sel), size);
    EXPECT_EQ(map_key('3', true, false, sel), KeyEffect{});
}

TEST(OverlayKeys, PreStepTakesHoveredRestoresOrSwitches) {
    struct Row { uint32_t key; bool ctrl, idle, selection; PreKey pre; };
    const Row rows[] = {
        {'D', false, true, false, PreKey::TakeHovered},  {'P', false, true, false, PreKey::TakeHovered},
        {'Q', false, true, false, PreKey::TakeHovered},  {'S', false, true, false, PreKey::TakeHovered},
        {'V', false, true, false, PreKey::TakeHovered},  {vk::F3, false, true, false, PreKey::TakeHovered},
        {vk::RETURN, false, true, false, PreKey::TakeHovered}, {'C', true, true, false, PreKey::TakeHovered},
        {'S', true, true, false, PreKey::TakeHovered},   {'C', false, true, false, PreKey::None},
        {'O', false, true, false, PreKey::None},         {'D', false, true, true, PreKey::None},
        {'D', false, false, false, PreKey::None},        {'R', false, true, false, PreKey::RestoreLast},
        {'R', true, true, false, PreKey::None},          {vk::TAB, false, true, false, PreKey::SwitchDetect},
        {vk::TAB, true, true, false, PreKey::None},      {vk::TAB, false, true, true, PreKey::None},
    };
    for (const Row& r : rows) EXPECT_EQ(pre_key(r.key, r.ctrl, r.idle, r.selection), r.pre) << r.key;
}

TEST(OverlayKeys, RightButtonLadderInOrder) {
    InputContext c;
    c.shape_open = c.text_box = c.annotation_selected = c.pin_edit = c.selection = true;
    c.tool = Tool::Line;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::FinishAnnotation);
    c.shape_open = false;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::CommitText);
    c.text_box = false;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::ClearTool);
    c.tool = Tool::None;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::ClearTool);  // an annotation is selected
    c.annotation_selected = false;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::Nothing);  // pin edit
    c.pin_edit = false;
    c.redact_busy = true;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::Nothing);
    c.redact_busy = false;
    c.drawn = true;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::Nothing);
    c.drawn = false;
    EXPECT_EQ(right_button_effect(c, false), RightEffect::DropSelection);
    c.selection = false;
    EXPECT_EQ(right_button_effect(c, true), RightEffect::DropSelection);  // during a drag
    EXPECT_EQ(right_button_effect(c, false), RightEffect::Close);
}

TEST(OverlayKeys, WheelStepsSizeOrNesting) {
    WheelContext c;
    c.selection = true;
    c.size_steps = {1, 1, 1, 1, 1, 1, 1, 0, 2, 1, 1};
    c.tool = Tool::Rectangle;
    EXPECT_EQ(wheel_step(120, c), (WheelEffect{WheelEffectKind::ApplySize, 2, 0}));
    c.tool = Tool::Number;
    EXPECT_EQ(wheel_step(120, c), (WheelEffect{WheelEffectKind::ApplySize, 2, 0}));  // stays at large
    c.text_box = true;
    EXPECT_EQ(wheel_step(-120, c), (WheelEffect{WheelEffectKind::ApplySize, 0, 0}));  // Text, stays small
    c.text_box = false;
    c.tool = Tool::Spotlight;
    EXPECT_EQ(wheel_step(120, c), WheelEffect{});
    c.tool = Tool::None;
    EXPECT_EQ(wheel_step(120, c), WheelEffect{});
    c.selected_kind = Tool::Text;
    EXPECT_EQ(wheel_step(120, c), (WheelEffect{WheelEffectKind::ApplySize, 1, 0}));
    c.selected_kind = Tool::Spotlight;
    EXPECT_EQ(wheel_step(120, c), WheelEffect{});

    WheelContext e;
    e.element_mode = true;
    e.idle = true;
    e.depth = 0;
    EXPECT_EQ(wheel_step(120, e), (WheelEffect{WheelEffectKind::Depth, 0, 1}));
    EXPECT_EQ(wheel_step(-120, e), (WheelEffect{WheelEffectKind::Depth, 0, 0}));  // never below 0
    e.element_mode = false;
    EXPECT_EQ(wheel_step(120, e), WheelEffect{});
}

TEST(OverlayKeys, DoubleClick) {
    DoubleClickContext c;
    c.inside_selection = true;
    EXPECT_EQ(double_click_effect(c), (DoubleClickEffect{DoubleClickKind::Action, 0, OverlayAction::Copy}));
    c.pin_edit = true;
    EXPECT_EQ(double_click_effect(c).action, OverlayAction::FinishPinEdit);
    c.annotation_under = true;
    EXPECT_EQ(double_click_effect(c).kind, DoubleClickKind::Press);
    c.text_under = 3;
    EXPECT_EQ(double_click_effect(c), (DoubleClickEffect{DoubleClickKind::EditText, 3, OverlayAction::None}));
    c.tool = Tool::Rectangle;
    EXPECT_EQ(double_click_effect(c).kind, DoubleClickKind::Press);
    c.shape_open = true;
    EXPECT_EQ(double_click_effect(c).kind, DoubleClickKind::FinishAnnotation);
    c.text_box = true;
    EXPECT_EQ(double_click_effect(c).kind, DoubleClickKind::RepaintOnly);
    c.on_toolbar = true;
    EXPECT_EQ(double_click_effect(c).kind, DoubleClickKind::Press);
}

TEST(OverlayCursor, CursorsPerState) {
    CursorContext base;
    base.selection = true;
    base.clean = true;
    struct Row { CursorContext c; CursorId id; const char* what; };
    std::vector<Row> rows;
    auto add = [&](auto change, CursorId id, const char* what) {
        CursorContext c = base;
        change(c);
        rows.push_back({c, id, what});
    };
    add([](CursorContext& c) { c.mouse_state = MouseState::Selecting; }, CursorId::Cross, "selecting");
    add([](CursorContext& c) { c.mouse_state = MouseState::MovingSelection; }, CursorId::SizeAll, "moving");
    add([](CursorContext& c) { c.mouse_state = MouseState::ResizingSelection; c.resize_handle = 5; },
        CursorId::SizeNESW, "resizing top-right");
    add([](CursorContext& c) { c.mouse_state = MouseState::ResizingSelection; c.resize_handle = 1; },
        CursorId::SizeNS, "resizing top");
    add([](CursorContext& c) { c.mouse_state = MouseState::ToolbarPress; }, CursorId::Hand, "toolbar press");
    add([](CursorContext& c) { c.toolbar = ToolbarUnder::Background; }, CursorId::Arrow, "toolbar background");
    add([](CursorContext& c) { c.toolbar = ToolbarUnder::Item; c.redact_busy = true; }, CursorId::Hand, "item");
    add([](CursorContext& c) { c.redact_busy = true; }, CursorId::AppStarting, "busy");
    add([](CursorContext& c) { c.selection = false; }, CursorId::Cross, "no selection");
    add([](CursorContext& c) { c.text_box = true; c.tool = Tool::Text; }, CursorId::Arrow, "text box");
    add([](CursorContext& c) { c.tool = Tool::Arrow; c.on_selected_annotation = true; }, CursorId::SizeAll,
        "on the selected annotation");
    add([](CursorContext& c) { c.tool = Tool::Eraser; c.on_selected_annotation = true; c.inside_editor_selection = true; },
        CursorId::Cross, "eraser inside");
    add([](CursorContext& c) { c.tool = Tool::Text; c.inside_editor_selection = true; }, CursorId::IBeam, "text");
    add([](CursorContext& c) { c.tool = Tool::Pen; }, CursorId::Arrow, "drawing tool outside");
    add([](CursorContext& c) { c.clean = false; c.on_any_annotation = true; }, CursorId::SizeAll, "over annotation");
    add([](CursorContext& c) { c.clean = false; c.selection_handle = 4; c.inside_selection = true; },
        CursorId::Arrow, "annotations hide the handles");
    add([](CursorContext& c) { c.selection_handle = 7; }, CursorId::SizeNWSE, "handle");
    add([](CursorContext& c) { c.inside_selection = true; }, CursorId::SizeAll, "inside");
    add([](CursorContext&) {}, CursorId::Cross, "outside");
    add([](CursorContext& c) { c.mouse_state = MouseState::EditorDrag; c.tool = Tool::Rectangle;
                               c.inside_editor_selection = true; }, CursorId::Cross, "editor drag");
    for (const Row& r : rows) EXPECT_EQ(overlay_cursor(r.c), r.id) << r.what;
}
