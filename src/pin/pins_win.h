#pragma once
// Pin windows: borderless, always-on-top windows that each show one image at a scale. The open
// pins in creation order, the ten most recently closed ones, and what the tray and other
// modules do with them. UI thread only.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "annot/annotation.h"
#include "util/geometry.h"
#include "win/window.h"

class DibBitmap;

// Creates and shows a pin with its window's top-left at (x, y) (screen coordinates); the image
// is drawn at `scale` inside a 1-pixel border. Null when the window or its annotated image
// cannot be made: the image and annotations are released then, and GetLastError holds the
// system's reason.
HWND create_pin(DibBitmap image, std::vector<Annotation> annotations, int32_t x, int32_t y, float scale,
                uint8_t opacity);
// Why create_pin just returned null, as the user is told it: the system's reason, or short
// memory when the system gives none. Call it right after.
std::string pin_failure_reason();
// The pin; a null one is told, never silent, with GetLastError's reason (memory when none).
HWND created_or_notify(HWND pin);

// The clipboard's bitmap, image file, colour code or text as a pin near the cursor.
void pin_clipboard();
// A pin of the image on the monitor of (x, y), its top-left there as far as the monitor allows.
// Null when the pin cannot be made; a balloon then says so with the system's reason.
HWND pin_image_at(DibBitmap image, int32_t x, int32_t y);
// The same inside `area` (a work area: a tall scrolling capture stays clear of the taskbar).
HWND pin_image_within(DibBitmap image, int32_t x, int32_t y, const Rect& area);
// A pin of the image centred on the cursor, inside the cursor's monitor; null as above.
HWND pin_image_at_cursor(DibBitmap image);

// The open pins' windows in list order (a copy: callers may destroy windows while walking it).
std::vector<HWND> pin_windows();
bool any_pin_click_through();
bool closed_pins_empty();
// The newest closed pin made a pin again, where it was; nothing when there is none. One that
// cannot be made stays in the list, and a balloon says why.
void restore_last_closed_pin();

// Each of these does nothing for a window that is not an open pin.
// Scale clamped to [0.05, 16]; the anchor (screen coordinates) keeps its place in the window.
void set_pin_scale(HWND pin, float scale, int32_t anchor_x, int32_t anchor_y);
// The scale times 1.1^steps, landing on 1.0 when it crosses it.
void zoom_pin(HWND pin, float steps, int32_t anchor_x, int32_t anchor_y);
void toggle_pin_thumbnail(HWND pin);
void set_pin_opacity(HWND pin, int32_t percent);
void set_pin_click_through(HWND pin, bool on);
bool pin_is_locked(HWND pin);
// Shows the text in the pin's corner for a second.
void show_pin_label(HWND pin, std::string text);
// The window rectangle's centre, integer division.
POINT window_center(HWND window);

extern const WindowClass PIN_WINDOW_CLASS;
