// Placeholder until the pin windows land: no pin has a record yet.
#include "pin/pin_edit_win.h"

bool pin_record_exists(HWND) { return false; }
void write_pin_annotations(HWND, std::vector<Annotation>) {}
void copy_pin_image(HWND) {}
void save_pin_image(HWND) {}
