#include "dev/preview.h"

uint32_t preview_background(int32_t x, int32_t y) {
    return ((x / 6 + y / 6) % 2 != 0) ? 0xF0E6AA : 0xB4C8E6;
}

void fill_preview_background(std::span<uint32_t> pixels, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = preview_background(x, y);
}

std::vector<PreviewToolbar> preview_toolbars() {
    // layout_toolbar puts a block 8 pixels under its selection and right-aligns it with it.
    const int32_t left = 16;
    PreviewToolbar normal;
    normal.selection = {left, PREVIEW_STRIP.t - 2, left + 827, PREVIEW_STRIP.t - 2};
    normal.option_tool = Tool::Mosaic;
    normal.state.editor.tool = Tool::Mosaic;
    normal.state.editor.undo_empty = false;
    normal.state.hover = {HitKind::Button, static_cast<uint8_t>(ToolbarItem::Save)};
    normal.state.editor.mosaic_box = true;
    normal.state.editor.blur = false;

    PreviewToolbar pin;
    pin.pin_edit = true;
    pin.selection = {left, PREVIEW_STRIP.t + 80, left + 712, PREVIEW_STRIP.t + 80};
    pin.option_tool = Tool::Text;
    pin.state.editor.tool = Tool::Text;
    pin.state.editor.color = 0xFF00A0A0;
    pin.state.editor.size_steps[static_cast<size_t>(Tool::Text)] = 2;
    pin.state.hover = {HitKind::Colour, 3};
    return {normal, pin};
}
