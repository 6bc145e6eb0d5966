#pragma once
// Image files read into bitmaps (GDI+ decodes them).
#include <optional>
#include <string>

#include "image/dib_bitmap_win.h"

// An image file (PNG, JPEG, BMP, GIF, TIFF, ICO) as a 32-bpp bitmap; transparent parts come out
// white. None for any other format, for a file GDI+ cannot read and for images too large to
// hold; a size claimed too large is refused from the file's header before GDI+ opens it.
std::optional<DibBitmap> load_image_file(const std::string& path);
