#pragma once
// A colour as text, as the overlay's magnifier reads it out and a pin's colour codes show it.
#include <cstdint>
#include <string>

enum class ColorFormat : uint8_t { Hex = 0, Rgb = 1, Hsl = 2 };

// The readout of a 0xRRGGBB colour: "#2B7FFF", "rgb(43, 127, 255)" or "hsl(216, 100%, 58%)".
std::string color_to_text(uint32_t rgb, ColorFormat format);
