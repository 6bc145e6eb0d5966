// Placeholder until pin windows land: there are no pins.
#include "image/dib_bitmap_win.h"
#include "pin/pins_win.h"
#include "util/log.h"

void pin_clipboard() { debug_log("not available in this build: pin_clipboard"); }
void pin_image_at_cursor(DibBitmap) { debug_log("not available in this build: pin_image_at_cursor"); }
std::vector<HWND> pin_windows() { return {}; }
bool any_pin_click_through() { return false; }
bool closed_pins_empty() { return true; }
void restore_last_closed_pin() { debug_log("not available in this build: restore_last_closed_pin"); }
void set_pin_click_through(HWND, bool) { debug_log("not available in this build: set_pin_click_through"); }

const WindowClass PIN_WINDOW_CLASS{L"OrmickOxelPin", DefWindowProcW, CS_DBLCLKS, IDC_ARROW};
