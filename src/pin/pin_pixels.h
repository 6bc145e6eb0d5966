#pragma once
// A pin's image transforms on 32-bit pixels (blue, green, red, a byte without colour), rows top
// to bottom. Each works in place; a size that does not match the pixels changes nothing.
#include <cstdint>
#include <span>

void flip_h(std::span<uint32_t> pixels, int32_t w, int32_t h);
void flip_v(std::span<uint32_t> pixels, int32_t w, int32_t h);
// y = (77 R + 150 G + 29 B) >> 8 in every channel, fourth byte 0.
void grayscale(std::span<uint32_t> pixels);
// Every colour channel inverted, fourth byte 0.
void invert(std::span<uint32_t> pixels);
