#include "capture/overlay_mouse_win.h"

#include "capture/overlay_cursor.h"
#include "capture/overlay_paint_win.h"
#include "capture/overlay_session_win.h"
#include "capture/selection_drag.h"
#include "capture/selection_frame.h"
#include "capture/session_win.h"
#include "capture/toolbar_click.h"
#include "util/rect_ops.h"
#include "util/scaled.h"

namespace {

bool shift_down() { return GetKeyState(VK_SHIFT) < 0; }

float fx(int32_t v) { return static_cast<float>(v); }

// A new selection starts at p with what is under it offered.
void start_selecting(OverlayState& s, POINT p) {
    s.selection.hovered = hit_test_window_element(s, p.x, p.y);
    s.selection.mouse_state = MouseState::Selecting;
    s.selection.drag_x = p.x;
    s.selection.drag_y = p.y;
    s.selection.drag_moved = false;
}

void commit_text_box(Editor& e) {
    if (e.text_box && e.text_host) e.text_host->commit_text_edit(e);
}

// The press on the selection itself: a handle, a move, or a new selection outside.
void press_selection(OverlayState& s, POINT p) {
    if (!overlay_clean(s)) return;
    const Rect sel = *s.selection.rect;
    const SelectionPress press =
        sel_handle_at(static_cast<uint8_t>(hit_test_handles(s.scale, sel, p.x, p.y)), sel, p.x, p.y);
    if (press.grab == SelectionGrab::Outside) {
        set_overlay_selection(s, std::nullopt);
        s.selection.toolbar_hover = TOOLBAR_OUTSIDE;
        start_selecting(s, p);
        return;
    }
    s.selection.mouse_state =
        press.grab == SelectionGrab::Resize ? MouseState::ResizingSelection : MouseState::MovingSelection;
    s.selection.press_rect = sel;
    s.selection.press_handle = press.handle;
    s.selection.drag_x = p.x;
    s.selection.drag_y = p.y;
}

void press(OverlayState& s, POINT p) {
    s.selection.down_x = p.x;
    s.selection.down_y = p.y;
    const bool shift = shift_down();
    if (!s.selection.rect) {
        start_selecting(s, p);
        return;
    }
    const ToolbarHit hit = toolbar_hit_test(s, p.x, p.y);
    if (hit.kind != HitKind::Outside) {
        if (hit.kind == HitKind::Button || hit.kind == HitKind::Background) commit_text_box(s.editor);
        if (hit.kind == HitKind::Background) return;
        s.selection.mouse_state = MouseState::ToolbarPress;
        s.selection.toolbar_press = hit;
        s.selection.toolbar_hover = hit;
        return;
    }
    Editor& e = s.editor;
    const Rect grown = grow(*s.selection.rect, scaled_round(8, s.scale));
    if (e.tool != Tool::None || e.text_box || grown.contains(p.x, p.y)) {
        if (editor_mouse_down(e, fx(p.x), fx(p.y), shift)) {
            const EditorDrag d = e.drag;
            if (d == EditorDrag::Drawing || d == EditorDrag::Moving || d == EditorDrag::Resizing ||
                d == EditorDrag::Erasing)
                s.selection.mouse_state = MouseState::EditorDrag;
            return;
        }
    }
    press_selection(s, p);
}

void apply_click(OverlayState& s, const ClickEffect& c, ActionCall& action) {
    Editor& e = s.editor;
    switch (c.kind) {
        case ClickKind::None: break;
        case ClickKind::ApplySize: apply_size(e, c.size); break;
        case ClickKind::ApplyColor: apply_color(e, c.color); break;
        case ClickKind::Toggle:
            switch (c.flag) {
                case StyleFlag::Fill: e.tools.fill = !e.tools.fill; break;
                case StyleFlag::HighlighterBox: e.tools.highlighter_box = !e.tools.highlighter_box; break;
                case StyleFlag::MosaicBox: e.tools.mosaic_box = !e.tools.mosaic_box; break;
                case StyleFlag::Blur: e.tools.mosaic_blur = !e.tools.mosaic_blur; break;
                case StyleFlag::Outline:
                    e.tools.text_outline = !e.tools.text_outline;
                    if (e.text_box) {
                        e.text_box->outline = e.tools.text_outline;
                        if (e.text_host) e.text_host->restyle_text_box(e);
                    }
                    break;
            }
            break;
        case ClickKind::SetTool: set_tool(e, c.tool); break;
        case ClickKind::Undo: undo(e); break;
        case ClickKind::Redo: redo(e); break;
        case ClickKind::Action: action.action = c.action; break;
    }
}

// The topmost annotation within the hit tolerance of (x, y), and whether it is a Text.
struct AnnotationUnder {
    bool any = false;
    std::optional<size_t> text;
};
AnnotationUnder annotation_under(const Editor& e, float x, float y) {
    AnnotationUnder u;
    if (const std::optional<size_t> i = hit_test_annotation(e, x, y)) {
        u.any = true;
        if (e.annotations[*i].kind == Tool::Text) u.text = i;
    }
    return u;
}

LPCWSTR cursor_resource(CursorId id) {
    switch (id) {
        case CursorId::Arrow: return IDC_ARROW;
        case CursorId::Cross: return IDC_CROSS;
        case CursorId::SizeAll: return IDC_SIZEALL;
        case CursorId::SizeWE: return IDC_SIZEWE;
        case CursorId::SizeNS: return IDC_SIZENS;
        case CursorId::SizeNWSE: return IDC_SIZENWSE;
        case CursorId::SizeNESW: return IDC_SIZENESW;
        case CursorId::Hand: return IDC_HAND;
        case CursorId::IBeam: return IDC_IBEAM;
        case CursorId::AppStarting: return IDC_APPSTARTING;
    }
    return IDC_ARROW;
}

CursorContext cursor_context(const OverlayState& s, POINT p) {
    const Editor& e = s.editor;
    CursorContext c;
    c.mouse_state = s.selection.mouse_state;
    c.resize_handle = s.selection.press_handle;
    c.redact_busy = s.redact.busy;
    c.selection = s.selection.rect.has_value();
    c.text_box = e.text_box.has_value();
    c.tool = e.tool;
    if (!c.selection) return c;
    const ToolbarHit hit = toolbar_hit_test(s, p.x, p.y);
    c.toolbar = hit.kind == HitKind::Outside      ? ToolbarUnder::Outside
                : hit.kind == HitKind::Background ? ToolbarUnder::Background
                                                  : ToolbarUnder::Item;
    const float x = fx(p.x), y = fx(p.y);
    if (const Annotation* a = selected_annotation(e))
        c.on_selected_annotation =
            selected_handle_at(e, x, y).has_value() || annot_hit_test(*a, x, y, 5 * s.scale, e.text_bounds);
    c.inside_editor_selection = e.selection.contains(p.x, p.y);
    c.on_any_annotation = hit_test_annotation(e, x, y).has_value();
    c.clean = overlay_clean(s);
    c.selection_handle = static_cast<uint8_t>(hit_test_handles(s.scale, *s.selection.rect, p.x, p.y));
    c.inside_selection = s.selection.rect->contains(p.x, p.y);
    return c;
}

}  // namespace

ActionCall overlay_left_down(HWND window, POINT p) {
    SetCapture(window);
    if (auto s = OpenSession::of(window)) {
        press(**s, p);
        overlay_invalidate_changes(**s);
    }
    return {};
}

ActionCall overlay_double_click(HWND window, POINT p) {
    SetCapture(window);
    auto s = OpenSession::of(window);
    if (!s) return {};
    OverlayState& st = **s;
    Editor& e = st.editor;
    DoubleClickContext c;
    c.on_toolbar = st.selection.rect && toolbar_hit_test(st, p.x, p.y).kind != HitKind::Outside;
    c.text_box = e.text_box.has_value();
    c.shape_open = e.drag == EditorDrag::Polyline;
    c.pin_edit = st.pin_edit.has_value();
    c.inside_selection = st.selection.rect && st.selection.rect->contains(p.x, p.y);
    c.tool = e.tool;
    const AnnotationUnder under = annotation_under(e, fx(p.x), fx(p.y));
    c.text_under = under.text;
    c.annotation_under = under.any;
    const DoubleClickEffect d = double_click_effect(c);
    ActionCall action;
    switch (d.kind) {
        case DoubleClickKind::Press: press(st, p); break;
        case DoubleClickKind::RepaintOnly: break;
        case DoubleClickKind::FinishAnnotation: finish_annotation(e); break;
        case DoubleClickKind::EditText:
            if (e.text_host) e.text_host->begin_text_edit(e, fx(p.x), fx(p.y), d.index);
            break;
        case DoubleClickKind::Action:
            st.selection.mouse_state = MouseState::Idle;
            ReleaseCapture();
            action.action = d.action;
            break;
    }
    overlay_invalidate_changes(st);
    return action;
}

void overlay_mouse_move(HWND window, POINT p) {
    auto s = OpenSession::of(window);
    if (!s) return;
    OverlayState& st = **s;
    OverlaySelection& sel = st.selection;
    if (p.x == sel.cursor_x && p.y == sel.cursor_y) return;
    sel.cursor_x = p.x;
    sel.cursor_y = p.y;
    const bool shift = shift_down();
    const int64_t dx = int64_t{p.x} - sel.drag_x, dy = int64_t{p.y} - sel.drag_y;
    switch (sel.mouse_state) {
        case MouseState::Idle:
            if (sel.rect) {
                sel.toolbar_hover = toolbar_hit_test(st, p.x, p.y);
                if (st.editor.drag == EditorDrag::Polyline) editor_mouse_move(st.editor, fx(p.x), fx(p.y), shift);
            } else {
                sel.hovered = hit_test_window_element(st, p.x, p.y);
            }
            break;
        case MouseState::Selecting:
            if (moved_beyond_click(sel.drag_x, sel.drag_y, p.x, p.y)) sel.drag_moved = true;
            break;
        case MouseState::MovingSelection:
            set_overlay_selection(st, move_rect_inside(sel.press_rect, dx, dy, st.width(), st.height()));
            break;
        case MouseState::ResizingSelection:
            set_overlay_selection(st, resize_rect(sel.press_rect, sel.press_handle, dx, dy, st.width(), st.height()));
            break;
        case MouseState::ToolbarPress: sel.toolbar_hover = toolbar_hit_test(st, p.x, p.y); break;
        case MouseState::EditorDrag: editor_mouse_move(st.editor, fx(p.x), fx(p.y), shift); break;
    }
    overlay_invalidate_changes(st);
}

ActionCall overlay_left_up(HWND window, POINT p) {
    ActionCall action;
    auto s = OpenSession::of(window);
    if (!s) {
        ReleaseCapture();
        return action;
    }
    OverlayState& st = **s;
    OverlaySelection& sel = st.selection;
    sel.cursor_x = p.x;
    sel.cursor_y = p.y;
    const MouseState was = sel.mouse_state;
    sel.mouse_state = MouseState::Idle;
    switch (was) {
        case MouseState::Selecting: {
            std::optional<Rect> made;
            if (sel.drag_moved) made = drag_rect(sel.drag_x, sel.drag_y, p.x, p.y, st.width(), st.height());
            else if (sel.hovered) made = clamp_to_overlay(*sel.hovered, st.width(), st.height());
            sel.drag_moved = false;
            set_overlay_selection(st, made);
            if (made) sel.toolbar_hover = toolbar_hit_test(st, p.x, p.y);
            if (made && sel.copy_on_select) action.action = OverlayAction::Copy;
            break;
        }
        case MouseState::ToolbarPress:
            if (toolbar_hit_test(st, p.x, p.y) == sel.toolbar_press) {
                const std::optional<ToolbarLayout> layout = place_toolbar(st);
                apply_click(st, toolbar_click_effect(sel.toolbar_press, st.editor.tool,
                                                     layout ? layout->option_tool : std::nullopt),
                            action);
            }
            sel.toolbar_press = TOOLBAR_OUTSIDE;
            sel.toolbar_hover = toolbar_hit_test(st, p.x, p.y);
            break;
        case MouseState::EditorDrag: editor_mouse_up(st.editor, fx(p.x), fx(p.y)); break;
        default: break;
    }
    // Idle first: the WM_CAPTURECHANGED this sends finds the session borrowed and is dropped.
    ReleaseCapture();
    overlay_invalidate_changes(st);
    return action;
}

ActionCall overlay_right_up(HWND window) {
    ActionCall action;
    auto s = OpenSession::of(window);
    if (!s) return action;
    OverlayState& st = **s;
    Editor& e = st.editor;
    switch (right_button_effect(input_context(st), st.selection.mouse_state != MouseState::Idle)) {
        case RightEffect::FinishAnnotation: finish_annotation(e); break;
        case RightEffect::CommitText: commit_text_box(e); break;
        case RightEffect::ClearTool: set_tool(e, Tool::None); break;
        case RightEffect::Nothing: break;
        case RightEffect::DropSelection:
            set_overlay_selection(st, std::nullopt);
            st.selection.drag_moved = false;
            if (st.selection.mouse_state != MouseState::Idle) {
                st.selection.mouse_state = MouseState::Idle;
                ReleaseCapture();
            }
            st.selection.toolbar_hover = TOOLBAR_OUTSIDE;
            st.selection.hovered = hit_test_window_element(st, st.selection.cursor_x, st.selection.cursor_y);
            break;
        case RightEffect::Close: action.action = OverlayAction::Close; break;
    }
    overlay_invalidate_changes(st);
    return action;
}

void overlay_wheel(HWND window, int32_t delta) {
    auto s = OpenSession::of(window);
    if (!s) return;
    OverlayState& st = **s;
    const Editor& e = st.editor;
    WheelContext c;
    c.selection = st.selection.rect.has_value();
    c.text_box = e.text_box.has_value();
    c.element_mode = st.selection.auto_select.detect == CaptureDetect::Element;
    c.idle = st.selection.mouse_state == MouseState::Idle;
    c.tool = e.tool;
    if (const Annotation* a = selected_annotation(e)) c.selected_kind = a->kind;
    c.size_steps = e.tools.size_steps;
    c.depth = st.selection.auto_select.wheel_index;
    const WheelEffect w = wheel_step(delta, c);
    if (w.kind == WheelEffectKind::ApplySize) apply_size(st.editor, w.size);
    if (w.kind == WheelEffectKind::Depth) {
        st.selection.auto_select.wheel_index = w.depth;
        st.selection.hovered = hit_test_window_element(st, st.selection.cursor_x, st.selection.cursor_y);
    }
    overlay_invalidate_changes(st);
}

void overlay_capture_changed(HWND window, HWND new_capture) {
    if (new_capture == window) return;
    auto s = OpenSession::of(window);
    if (!s) return;
    OverlayState& st = **s;
    switch (st.selection.mouse_state) {
        case MouseState::EditorDrag:
            editor_mouse_up(st.editor, fx(st.selection.cursor_x), fx(st.selection.cursor_y));
            break;
        case MouseState::Selecting: st.selection.drag_moved = false; break;
        default: break;
    }
    st.selection.mouse_state = MouseState::Idle;
    st.selection.toolbar_press = TOOLBAR_OUTSIDE;
    overlay_invalidate_changes(st);
}

bool overlay_set_cursor(HWND window) {
    auto s = OpenSession::of(window);
    if (!s) return false;
    POINT screen{};
    GetCursorPos(&screen);
    SetCursor(LoadCursorW(nullptr, cursor_resource(overlay_cursor(cursor_context(**s, overlay_point(**s, screen))))));
    return true;
}
