#pragma once
// Where the region frame's windows go and where its buttons sit. Platform-free.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "util/geometry.h"

// n device-independent pixels at `scale`, rounded half away from zero.
int32_t frame_px(double n, float scale);

struct FrameLayout {
    int32_t border = 0;               // ring width B
    Rect ring;                        // ring window, screen coordinates
    Rect hole;                        // ring window's client coordinates: what the ring leaves out
    Rect strip;                       // strip window, screen coordinates
    Rect status;                      // strip client coordinates
    std::vector<Rect> buttons;        // strip client coordinates, in FrameSpec::buttons' order
    std::optional<Rect> preview;      // screen coordinates; none when neither side has room
    int32_t corner = 0;               // rounded-corner ellipse width and height
};

// `rect` is the framed rectangle and `work` its monitor's work area (screen coordinates);
// `label_widths` are the buttons' label widths measured with the frame's font.
FrameLayout frame_layout(const Rect& rect, const Rect& work, float scale, std::span<const int32_t> label_widths,
                         bool show_preview);

// The index of the button whose rectangle holds the point.
std::optional<size_t> hit_button(std::span<const Rect> buttons, int32_t x, int32_t y);
