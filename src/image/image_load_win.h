#pragma once
// Image files read into bitmaps (GDI+ decodes them).
#include <optional>
#include <string>

#include "image/dib_bitmap_win.h"
#include "image/image_header.h"

// An image file (PNG, JPEG, BMP, GIF, TIFF, ICO) as a 32-bpp bitmap; transparent parts come out
// white. None for any other format, for a file GDI+ cannot read and for images too large to
// hold; a size claimed too large is refused from the file's header before GDI+ opens it.
std::optional<DibBitmap> load_image_file(const std::string& path);

// The format and size a file's own header claims, read without decoding it; none when it is no
// image file that load_image_file reads. Lets a caller refuse a huge image by name, or prepare
// for a long decode, before any pixel memory is made.
std::optional<ImageHeader> image_file_header(const std::string& path);
