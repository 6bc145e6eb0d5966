#pragma once
// The images that pinning the clipboard makes: what the clipboard holds, read in the order
// bitmap, DIB, copied file, text; and the swatch and text images drawn for text. UI thread.
#include <optional>
#include <string_view>

#include "image/dib_bitmap_win.h"
#include "pin/color_code.h"

// The clipboard's content as an image at scale f (the DPI of the cursor's monitor / 96); none
// when it holds nothing usable or cannot be opened. The clipboard is closed on every path.
std::optional<DibBitmap> clipboard_image(float f);

// A band of the colour over white with its "#RRGGBB" and "rgb(r, g, b)" lines.
std::optional<DibBitmap> swatch_image(Rgb color, float f);
// The text wrapped at 560 device-independent pixels, cut below 1600, on a pale background.
std::optional<DibBitmap> text_image(std::string_view text, float f);
