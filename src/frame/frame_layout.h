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
// `label_widths` are the buttons' label widths and `status_width` the widest status text's width,
// measured with the frame's font. The status area grows past its usual 164 s for a longer text,
// pushing the buttons right, as far as the strip still fits the work area's width.
FrameLayout frame_layout(const Rect& rect, const Rect& work, float scale, std::span<const int32_t> label_widths,
                         bool show_preview, int32_t status_width = 0);

// The index of the button whose rectangle holds the point.
std::optional<size_t> hit_button(std::span<const Rect> buttons, int32_t x, int32_t y);
