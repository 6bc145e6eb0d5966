#pragma once
// The pointer shape over the overlay, from the mouse state and what lies under the pointer.
// Platform-free: the caller asks the toolbar, the editor and the selection handles.
#include <cstdint>

#include "annot/tool.h"
#include "toolbar/mouse_state.h"

enum class CursorId : uint8_t { Arrow, Cross, SizeAll, SizeWE, SizeNS, SizeNWSE, SizeNESW, Hand, IBeam, AppStarting };

enum class ToolbarUnder : uint8_t { Outside, Background, Item };

struct CursorContext {
    MouseState mouse_state = MouseState::Idle;
    uint8_t resize_handle = 0;             // the handle dragged in ResizingSelection
    ToolbarUnder toolbar = ToolbarUnder::Outside;
    bool redact_busy = false;
    bool selection = false;
    bool text_box = false;
    Tool tool = Tool::None;
    bool on_selected_annotation = false;   // on a handle of the selected annotation or on it
    bool inside_editor_selection = false;  // inside the selection the editor draws in
    bool on_any_annotation = false;
    bool clean = false;
    uint8_t selection_handle = 8;          // the selection handle under the pointer, 8 none
    bool inside_selection = false;
};

// The cursor of a dragged selection handle.
CursorId handle_cursor(uint8_t handle);
CursorId overlay_cursor(const CursorContext& c);
