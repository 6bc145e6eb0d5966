#pragma once
// The texts the overlay shows beside the selection and in the magnifier.
#include <cstdint>
#include <optional>
#include <string>

#include "toolbar/mouse_state.h"
#include "util/color_text.h"
#include "util/geometry.h"
#include "util/text_size.h"

ColorFormat next_color_format(ColorFormat format);
// Shift moves to the next format only while the magnifier shows the readout.
ColorFormat color_format_after_shift(ColorFormat format, MouseState mouse_state, bool selection_confirmed);

// "W × H", or with the element label in front ("Element · W × H").
std::string size_label_text(const Rect& rect, bool element_label);
// Above the rectangle, or inside it when that would leave the monitor's top; kept inside the
// monitor's left and right edges. Where the toolbar (with its option row) would cover it, the
// first place on the monitor clear of the toolbar: inside the selection's top-left corner, above
// it, above or below the toolbar, under the selection, left or right of the toolbar.
Rect size_label_place(const Rect& rect, TextSize text, const Rect& monitor, float scale,
                      const std::optional<Rect>& toolbar = std::nullopt);
