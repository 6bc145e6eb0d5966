#pragma once
// What a clipboard text becomes when pinned: nothing (white space only), a colour swatch or a
// text image; and the sizes of both images. Platform-free.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "pin/color_code.h"
#include "util/geometry.h"

inline constexpr size_t CLIPBOARD_TEXT_MAX_UNITS = 1'000'000;
inline constexpr size_t TEXT_IMAGE_MAX_CODE_POINTS = 5000;

// The number of UTF-16 units of another program's text block before its terminating NUL,
// never reading past the block (block_bytes, GlobalSize) nor beyond 1,000,000 units.
size_t clipboard_text_length(const char16_t* units, size_t block_bytes);

// Whether another program's CF_HDROP block (block_bytes long, GlobalSize) holds its header and
// a non-empty file list that ends, with its empty name, inside the block: only then may the
// system's routines, which trust the block, read the list.
bool dropped_files_within(const uint8_t* block, size_t block_bytes);

// The first n code points.
std::string first_code_points(std::string_view utf8, size_t n);
// Each "\r\n" as "\n".
std::string crlf_to_lf(std::string_view text);

struct NoClipImage {
    friend bool operator==(const NoClipImage&, const NoClipImage&) = default;
};
// White space only: no image; a colour code: its swatch; otherwise the text to draw (end-
// trimmed, its first 5,000 code points, line ends as "\n").
using ClipTextImage = std::variant<NoClipImage, Rgb, std::string>;
ClipTextImage clip_text_image(std::string_view utf8);

// A colour swatch at scale f (the monitor's DPI / 96): a band of the colour over white, the hex
// line and the rgb line below it. None when the image would be empty.
struct SwatchLayout {
    int32_t width = 0, height = 0;
    int32_t band = 0;  // height of the colour band at the top
    int32_t hex_font = 0, rgb_font = 0;  // pixel heights; the hex line is bold
    Rect hex_rect, rgb_rect;
    friend bool operator==(const SwatchLayout&, const SwatchLayout&) = default;
};
std::optional<SwatchLayout> swatch_layout(float f);

inline constexpr uint32_t SWATCH_HEX_COLOR = 0x221E1E;  // COLORREF
inline constexpr uint32_t SWATCH_RGB_COLOR = 0x766E6E;
inline constexpr uint32_t TEXT_IMAGE_BACKGROUND = 0xF2FDFF;
inline constexpr uint32_t TEXT_IMAGE_COLOR = 0x282424;

// A text image at scale f: the text wraps at wrap_width, and is cut right of it (a longer word)
// and below max_height.
struct TextImageLayout {
    int32_t wrap_width = 0;
    int32_t font = 0;  // pixel height
    int32_t min_width = 0;
    int32_t max_height = 0;
    int32_t margin = 0;
    friend bool operator==(const TextImageLayout&, const TextImageLayout&) = default;
};
TextImageLayout text_image_layout(float f);

// The image size and the text's rectangle in it for a text measured at w x h; none when the
// image would be empty.
struct TextImageSize {
    int32_t width = 0, height = 0;
    Rect text;
    friend bool operator==(const TextImageSize&, const TextImageSize&) = default;
};
std::optional<TextImageSize> text_image_size(const TextImageLayout& layout, int32_t measured_w, int32_t measured_h);
