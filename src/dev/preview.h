#pragma once
// "--preview": a 1000 x 560 sample of the annotation renderer and the toolbar, for looking at
// every annotation kind and the toolbar's states in one image.
#include <cstdint>
#include <span>
#include <vector>

#include "toolbar/toolbar_paint.h"
#include "util/geometry.h"

inline constexpr int32_t PREVIEW_WIDTH = 1000;
inline constexpr int32_t PREVIEW_HEIGHT = 560;
inline constexpr char PREVIEW_FILE[] = "ormick-oxel-preview.png";

// A checkerboard of 6-pixel squares: 0xB4C8E6, or 0xF0E6AA where column / 6 + row / 6 is odd.
uint32_t preview_background(int32_t x, int32_t y);
void fill_preview_background(std::span<uint32_t> pixels, int32_t width, int32_t height);

// The strip under the annotations that holds the toolbars: COLORREF 0x48403C as a pixel value.
inline constexpr uint32_t PREVIEW_STRIP_PIXEL = 0x3C4048;
inline constexpr Rect PREVIEW_STRIP{0, 392, PREVIEW_WIDTH, PREVIEW_HEIGHT};

// One toolbar of the sample: the selection it is placed against, and what it shows.
struct PreviewToolbar {
    Rect selection;
    bool pin_edit = false;
    std::optional<Tool> option_tool;
    ToolbarPaintState state;
};
// A normal capture's toolbar with the Mosaic row and a hovered button, then a pin edit's with
// the Text row and a custom colour; both inside the strip at scale 1.
std::vector<PreviewToolbar> preview_toolbars();
