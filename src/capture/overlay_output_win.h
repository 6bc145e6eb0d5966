#pragma once
// The composed output of a session and the end of a pin edit, which the overlay's actions hand on.
#include <optional>

#include "capture/overlay_state_win.h"
#include "image/dib_bitmap_win.h"

// The selection with its annotations drawn, kept in the session and reused while neither
// changes; open edits are committed first. Null without a selection or when it cannot be made.
const DibBitmap* compose_output_image(OverlayState& state);
// The composed image moved out of the session, which is about to end.
std::optional<DibBitmap> take_output_image(OverlayState& state);
// In a pin edit: the annotations become the pin's, and the pin then applies, copies or saves.
void finish_pin_edit(OverlayState& state, PinEditOutcome outcome);
