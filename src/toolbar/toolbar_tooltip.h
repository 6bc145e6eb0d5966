#pragma once
// The tooltip of the hovered toolbar button or custom colour cell.
#include <optional>
#include <string>

#include "toolbar/mouse_state.h"
#include "toolbar/toolbar_layout.h"
#include "util/geometry.h"
#include "util/text_size.h"

struct ToolbarTooltip {
    std::string text;
    Rect rect;
};

// Only while idle; `bounds` is the monitor nearest the toolbar's top-left corner; `measure`
// gives the text's extent in the UI font.
std::optional<ToolbarTooltip> toolbar_tooltip(const ToolbarLayout& layout, const ToolbarHit& hover,
                                              MouseState mouse_state, const Rect& bounds,
                                              const MeasureText& measure);
