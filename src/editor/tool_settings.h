#pragma once
// The editor settings a capture session carries into the next one.
#include <array>
#include <cstddef>
#include <cstdint>

#include "annot/tool.h"

inline constexpr size_t TOOL_COUNT_WITH_ERASER = static_cast<size_t>(Tool::Eraser) + 1;

struct ToolSettings {
    // Per tool: small (0), medium (1) or large (2) preset.
    std::array<uint64_t, TOOL_COUNT_WITH_ERASER> size_steps = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    uint32_t colour = 0xFFFF3B30;  // ARGB
    bool fill = false;
    bool highlighter_box = false;
    bool mosaic_box = true;
    bool mosaic_blur = false;
    bool text_outline = true;
    friend bool operator==(const ToolSettings&, const ToolSettings&) = default;
};
