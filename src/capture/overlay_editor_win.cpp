#include "capture/overlay_editor_win.h"

// The editor of this build keeps the carried settings and the tool; it has no undo history,
// no selected annotation, no text box and nothing to draw yet.

ToolbarEditorView toolbar_editor_view(const OverlayState& state) {
    const EditorState& e = state.editor;
    ToolbarEditorView v;
    v.tool = e.tool;
    v.size_steps = e.tools.size_steps;
    v.color = e.tools.colour;
    v.fill = e.tools.fill;
    v.highlighter_box = e.tools.highlighter_box;
    v.mosaic_box = e.tools.mosaic_box;
    v.blur = e.tools.mosaic_blur;
    v.outline = e.tools.text_outline;
    return v;
}

EditorMarks editor_marks(const OverlayState&) { return {}; }

std::vector<Rect> take_editor_dirty_rects(OverlayState&) { return {}; }

bool paint_annotations(HDC, OverlayState&, const Rect&) { return true; }
