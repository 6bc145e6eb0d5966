#include "editor/presets.h"

#include <algorithm>
#include <cmath>

float preset_size(Tool tool, uint64_t step) {
    static constexpr std::array<float, 3> SHAPES = {2, 4, 7}, HIGHLIGHTER = {12, 20, 32}, MOSAIC = {16, 30, 52},
                                          TEXT = {16, 24, 36}, NUMBER = {22, 30, 40};
    const size_t i = static_cast<size_t>(std::min<uint64_t>(step, 2));
    switch (tool) {
    case Tool::Highlighter: return HIGHLIGHTER[i];
    case Tool::Mosaic: return MOSAIC[i];
    case Tool::Text: return TEXT[i];
    case Tool::Number: return NUMBER[i];
    default: return SHAPES[i];
    }
}

float tool_width(float scale, Tool tool, uint64_t step) {
    const float w = std::round(scale * preset_size(tool, step));
    return std::isfinite(w) ? std::max(1.0f, w) : 1.0f;
}
