#pragma once
// What the overlay's painting and toolbar read of the annotation editor, in one place.
#include <windows.h>

#include <optional>
#include <vector>

#include "annot/tool.h"
#include "capture/overlay_draw_win.h"
#include "capture/overlay_state_win.h"
#include "toolbar/toolbar_paint.h"

ToolbarEditorView toolbar_editor_view(const OverlayState& state);

struct TextBoxFrame {
    float x = 0, y = 0;  // the box's position
    int32_t width = 0, height = 0;  // its client area
};

struct EditorMarks {
    std::optional<Rect> selected_bounds;  // of the selected annotation, not grown
    std::vector<FloatPoint> handles;      // of the selected annotation
    std::optional<Tool> selected_kind;
    std::optional<TextBoxFrame> text_box;
};
EditorMarks editor_marks(const OverlayState& state);

// The editor's dirty rectangles, taken (the editor's list is left empty).
std::vector<Rect> take_editor_dirty_rects(OverlayState& state);

// The confirmed selection with the annotations drawn on it: the kept layer, brought up to date
// (made again only when the selection or the list changed). Null when it cannot be made.
const DibBitmap* annotated_selection(OverlayState& state);

// The selection's content into the DC within `box`: the frozen screen and the annotations with
// the one being drawn, after bringing the session's mosaic cache in line with the confirmed
// selection. While nothing is being drawn the annotated selection is kept and copied. False
// when copying or drawing failed.
bool paint_selection_content(HDC dc, OverlayState& state, const Rect& selection, const Rect& box);
