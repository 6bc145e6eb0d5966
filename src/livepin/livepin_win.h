#pragma once
// Live pins: a region of another window shown as it changes, through a DWM thumbnail. UI thread.
#include <windows.h>

#include <optional>

#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "win/window.h"

// A live pin of the part of `selection` (screen coordinates) inside the source window, over
// where it is. When it cannot be made (the source gone or moved away from the selection, no
// thumbnail) nothing is left behind, and the log and a balloon say why.
void open_live_pin(HWND source, const Rect& selection);

// Sizes the live pin's window for its scale and pushes the thumbnail's properties.
void livepin_apply_scale(HWND window);
// The pinned region as it looks now; none when the source cannot be drawn (minimised, gone,
// zero-sized, or not drawing within 200 ms: the UI thread never waits longer on it).
std::optional<DibBitmap> livepin_grab_view(HWND window);

extern const WindowClass LIVEPIN_WINDOW_CLASS;
