#pragma once
// What a finished pin edit needs from the pins.
#include <windows.h>

#include <vector>

#include "annot/annotation.h"

// True when a pin record has this window.
bool pin_record_exists(HWND pin);
// Replaces the pin's annotations (pin coordinates), sets show-annotations and rebuilds its image.
// False when the pin has gone, or (told, the pin left as it was) when memory is short.
bool write_pin_annotations(HWND pin, std::vector<Annotation> annotations);
// The shown image to the clipboard; silent on failure.
void copy_pin_image(HWND pin);
// The shown image through Save As; a failure shows the "Save failed" notice.
void save_pin_image(HWND pin);
