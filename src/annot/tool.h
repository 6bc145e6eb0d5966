#pragma once
#include <cstdint>

enum class Tool : uint8_t { Rectangle = 0, Ellipse = 1, Arrow = 2, Line = 3, Pen = 4, Highlighter = 5,
                            Mosaic = 6, Text = 7, Number = 8, Spotlight = 9, Eraser = 10, None = 11 };
