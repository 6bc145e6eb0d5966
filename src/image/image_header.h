#pragma once
// The format and pixel size of an image file, read from its own bytes before any decoder sees
// it: a decoder may make the pixels a header claims before finding out that the file is short,
// so a file claiming a huge size has to be refused from its header alone. Platform-free.
#include <cstdint>
#include <optional>

#include "util/byte_source.h"

enum class ImageFileFormat : uint8_t { Png, Gif, Bmp, Jpeg, Tiff, Ico };

struct ImageHeader {
    ImageFileFormat format = ImageFileFormat::Png;
    uint32_t width = 0;   // at least 1
    uint32_t height = 0;  // at least 1
    bool operator==(const ImageHeader&) const = default;
};

// None for any other format (EMF and WMF among them), for a header cut short or inconsistent
// and for a size of zero. A file of several images (GIF frames, TIFF pages, icon entries) gives
// the largest width and the largest height among them. Reads only the header parts: a JPEG's
// segments up to its frame header, a GIF's blocks, a TIFF's chain of directories; each walk is
// bounded.
std::optional<ImageHeader> read_image_header(ByteSource& source);
