#pragma once
// What a finished pin edit needs from the pins. The pin windows provide these; until they
// exist there is no pin record to write back to.
#include <windows.h>

#include <vector>

#include "annot/annotation.h"

// True when a pin record has this window.
bool pin_record_exists(HWND pin);
// Replaces the pin's annotations (pin coordinates), sets show-annotations and rebuilds its image.
void write_pin_annotations(HWND pin, std::vector<Annotation> annotations);
void copy_pin_image(HWND pin);
void save_pin_image(HWND pin);
