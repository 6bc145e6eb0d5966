#pragma once
// The rectangles of the overlay's parts, kept from one repaint to the next so that only what
// changed is painted again.
#include <cstdint>
#include <optional>
#include <vector>

#include "toolbar/mouse_state.h"
#include "util/geometry.h"

struct OverlayLayout {
    std::optional<Rect> selection;  // the undimmed rectangle
    std::vector<Rect> parts;        // at most 9, in painting order
    friend bool operator==(const OverlayLayout&, const OverlayLayout&) = default;
};

// The rectangle shown undimmed: the confirmed selection; while a drag has moved, the rectangle
// from its start to the cursor, both corners included and clipped to the overlay; otherwise the
// hovered rectangle.
std::optional<Rect> layout_selection_rect(const std::optional<Rect>& confirmed, MouseState mouse_state,
                                          bool drag_moved, int32_t start_x, int32_t start_y, int32_t cursor_x,
                                          int32_t cursor_y, const std::optional<Rect>& hovered, int32_t width,
                                          int32_t height);

// The parts as the painting places them; absent ones are left out.
struct LayoutParts {
    std::optional<Rect> selection;
    std::optional<Rect> size_label;
    std::optional<Rect> toolbar;            // the toolbar joined with its option row
    std::optional<Rect> tooltip;
    std::optional<Rect> annotation_bounds;  // of the selected annotation, not grown
    std::optional<Rect> text_box;           // the open text box's client area
    std::optional<Rect> magnifier;
};

// Label, toolbar and tooltip count only with a selection rectangle.
OverlayLayout overlay_layout(const LayoutParts& parts, float scale);

// What to repaint between two layouts: the selection rectangles' symmetric difference, every
// part of both, and the editor's dirty rectangles.
std::vector<Rect> layout_changes(const OverlayLayout& before, const OverlayLayout& after,
                                 const std::vector<Rect>& dirty);
