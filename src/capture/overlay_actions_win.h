#pragma once
// What an overlay session hands to the rest of the program: copy, save, pin, the tools and the
// end of a pin edit (the image they hand on: overlay_output_win.h; the personal-data scan:
// overlay_redact_win.h).
// Each runs on the UI thread after the window procedure has let go of the session; it borrows
// the session itself.
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "capture/overlay_state_win.h"
#include "util/ui_cell.h"

// The colour dialog's 16 custom colours (COLORREF), kept for the process.
extern UiCell<std::array<COLORREF, 16>> CUSTOM_COLORS;
// The selection an action last kept, in screen coordinates (R brings it back in the next capture).
extern UiCell<std::optional<Rect>> LAST_SELECTION;

// `argument`: pack_action's action with its extra value.
void run_overlay_action(HWND window, uint64_t argument);
