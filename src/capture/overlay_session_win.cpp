#include "capture/overlay_session_win.h"

#include "capture/auto_select.h"

std::optional<OpenSession> OpenSession::of(HWND window) {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell || (**cell)->window != window) return std::nullopt;
    return OpenSession(std::move(*cell));
}

void set_overlay_selection(OverlayState& s, std::optional<Rect> selection) {
    s.selection.rect = selection;
    s.editor.selection = selection.value_or(Rect{});
}

bool overlay_clean(const OverlayState& s) {
    const Editor& e = s.editor;
    return e.annotations.empty() && !e.in_progress && e.drag != EditorDrag::Polyline && !e.text_box &&
           e.tool == Tool::None && !s.pin_edit && !s.redact.busy;
}

InputContext input_context(const OverlayState& s) {
    const Editor& e = s.editor;
    InputContext c;
    c.selection = s.selection.rect.has_value();
    c.idle = s.selection.mouse_state == MouseState::Idle;
    c.shape_open = e.drag == EditorDrag::Polyline;
    c.text_box = e.text_box.has_value();
    c.clean = overlay_clean(s);
    c.pin_edit = s.pin_edit.has_value();
    c.annotation_selected = selected_annotation(e) != nullptr;
    c.editor_dirty = e.dirty;
    c.drawn = !e.annotations.empty() || e.in_progress.has_value() || e.text_box.has_value();
    c.redact_busy = s.redact.busy;
    c.tool = e.tool;
    return c;
}

POINT overlay_point(const OverlayState& s, POINT screen) {
    return {saturate_i32(int64_t{screen.x} - s.origin_x()), saturate_i32(int64_t{screen.y} - s.origin_y())};
}
