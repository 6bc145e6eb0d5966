#pragma once
// Layouts that hold text ask the caller to measure it (in the font it will be drawn with), so
// they stay free of any device context.
#include <cstdint>
#include <functional>
#include <string_view>

struct TextSize {
    int32_t cx = 0, cy = 0;
    friend bool operator==(const TextSize&, const TextSize&) = default;
};

using MeasureText = std::function<TextSize(std::string_view)>;
