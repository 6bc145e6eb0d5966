#pragma once
// Colour codes in clipboard text ("#F80", "rgb(255, 136, 0)", "10,20,30"), read strictly: what
// is not plainly a colour is pinned as text instead. Platform-free.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour the text names once trimmed of white space at both ends, or none.
//   "#rgb", "#rrggbb", "#rrggbbaa" (the alpha pair is ignored): hex digits only.
//   "r,g,b" split at commas and spaces, or "rgb(...)" / "rgba(...)" holding three pieces or a
//   fourth that is not examined; each of the first three a plain decimal number 0-255 (no
//   sign, no inner white space, no prefix).
std::optional<Rgb> parse_color_code(std::string_view text);

// "#3A7BD5".
std::string hex_line(Rgb color);
// "rgb(58, 123, 213)".
std::string rgb_line(Rgb color);
// GDI's COLORREF 0x00BBGGRR.
uint32_t to_colorref(Rgb color);
