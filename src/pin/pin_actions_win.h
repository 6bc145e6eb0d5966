#pragma once
// What a pin's menu and keys hand its image to: the clipboard and Save As (pin_edit_win.h),
// recognition, the editor, the transforms and the printer.
#include <windows.h>

#include <optional>
#include <string_view>

#include "image/dib_bitmap_win.h"
#include "pin/pin_edit_win.h"
#include "pin/pin_menu.h"
#include "util/result.h"

// A copy of a pin's image for an action to take away; when memory is short, none and a balloon
// under failure_title with the system's reason, so the action never ends silently.
std::optional<DibBitmap> pin_image_copy(const DibBitmap& image, std::string_view failure_title);
// The base image and the pin's window rectangle to text recognition.
void recognize_pin_text(HWND pin);
// Hides the pin and opens the overlay on its image and annotations; the pin comes back when
// the edit ends, or at once when no edit could start.
void annotate_pin(HWND pin);
// Rotates, flips, greys or inverts the shown image, which becomes the base image (annotations
// shown are burned in, hidden ones dropped); the window keeps its centre.
void transform_pin_image(HWND pin, PinImageOp op);
// The print dialog, then the shown image on one page.
void print_pin_image(HWND pin);
// The spooler's part of printing on a printer DC; the caller keeps the DC.
Status print_bitmap(HDC printer, const DibBitmap& image);
