#pragma once
// Pin windows: the open pins, the recently closed ones and pinning the clipboard.
#include <windows.h>

#include <vector>

#include "win/window.h"

class DibBitmap;

// The clipboard's bitmap, image file, colour code or text as a pin near the cursor.
void pin_clipboard();
// A pin of the image centred on the cursor.
void pin_image_at_cursor(DibBitmap image);
// The open pins' windows in list order (a copy: callers may destroy windows while walking it).
std::vector<HWND> pin_windows();
bool any_pin_click_through();
bool closed_pins_empty();
// The newest closed pin made a pin again; nothing when there is none.
void restore_last_closed_pin();
void set_pin_click_through(HWND pin, bool on);

extern const WindowClass PIN_WINDOW_CLASS;
