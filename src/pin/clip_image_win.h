#pragma once
// The images that pinning the clipboard makes: what the clipboard holds, read in the order
// bitmap, DIB, copied file, text; and the swatch and text images drawn for text. UI thread.
#include <optional>
#include <string_view>

#include "image/dib_bitmap_win.h"
#include "pin/color_code.h"
#include "util/result.h"
#include "win/wait_cursor.h"

// The clipboard's content as an image at scale f (the DPI of the cursor's monitor / 96). The
// error is the user's reason: the clipboard is busy, its image too large to pin, or it holds
// nothing usable ("No image on the clipboard"; an empty or malformed bitmap is no image). The
// clipboard is closed on every path. A bitmap or DIB is read as its owner put it there, never
// through the system's conversion of it.
Result<DibBitmap> clipboard_image(float f);
// The same, showing `wait` while an image large enough to take seconds is decoded.
Result<DibBitmap> clipboard_image(float f, WaitCursor& wait);

// A band of the colour over white with its "#RRGGBB" and "rgb(r, g, b)" lines.
std::optional<DibBitmap> swatch_image(Rgb color, float f);
// The text wrapped at 560 device-independent pixels, cut below 1600, on a pale background.
std::optional<DibBitmap> text_image(std::string_view text, float f);
