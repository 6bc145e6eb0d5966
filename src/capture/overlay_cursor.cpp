#include "capture/overlay_cursor.h"

CursorId handle_cursor(uint8_t handle) {
    switch (handle) {
        case 0:
        case 2: return CursorId::SizeWE;
        case 1:
        case 3: return CursorId::SizeNS;
        case 4:
        case 7: return CursorId::SizeNWSE;
        case 5:
        case 6: return CursorId::SizeNESW;
        default: return CursorId::Arrow;
    }
}

CursorId overlay_cursor(const CursorContext& c) {
    switch (c.mouse_state) {
        case MouseState::Selecting: return CursorId::Cross;
        case MouseState::MovingSelection: return CursorId::SizeAll;
        case MouseState::ResizingSelection: return handle_cursor(c.resize_handle);
        case MouseState::ToolbarPress: return CursorId::Hand;
        case MouseState::Idle:
        case MouseState::EditorDrag: break;
    }
    if (c.toolbar != ToolbarUnder::Outside) return c.toolbar == ToolbarUnder::Item ? CursorId::Hand : CursorId::Arrow;
    if (c.redact_busy) return CursorId::AppStarting;
    if (!c.selection) return CursorId::Cross;
    if (c.text_box) return CursorId::Arrow;
    if (c.tool != Tool::Eraser && c.on_selected_annotation) return CursorId::SizeAll;
    if (c.tool != Tool::None) {
        if (!c.inside_editor_selection) return CursorId::Arrow;
        return c.tool == Tool::Text ? CursorId::IBeam : CursorId::Cross;
    }
    if (c.on_any_annotation) return CursorId::SizeAll;
    if (!c.clean) return CursorId::Arrow;
    if (c.selection_handle < 8) return handle_cursor(c.selection_handle);
    return c.inside_selection ? CursorId::SizeAll : CursorId::Cross;
}
