#pragma once
// Sizes and colours the toolbar offers.
#include <array>
#include <cstdint>

#include "annot/tool.h"

// The eight colour swatches (ARGB), in toolbar order; a ninth cell opens the colour dialog.
inline constexpr std::array<uint32_t, 8> SWATCHES = {0xFFFF3B30, 0xFFFF9500, 0xFFFFCC00, 0xFF34C759,
                                                     0xFF007AFF, 0xFFAF52DE, 0xFF1C1C1E, 0xFFFFFFFF};

// The tool's size in pixels before the DPI factor at step 0 small, 1 medium, 2 large (larger
// steps count as large). Tools past the Eraser use the shapes' sizes.
float preset_size(Tool tool, uint64_t step);
// max(1, round(scale x preset)).
float tool_width(float scale, Tool tool, uint64_t step);
