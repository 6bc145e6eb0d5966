#pragma once
// The sizes and places of pin windows, zoom and opacity steps, the label and the printed
// image: everything about a pin that needs no window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/geometry.h"

inline constexpr float PIN_SCALE_MIN = 0.05f;
inline constexpr float PIN_SCALE_MAX = 16.0f;
inline constexpr uint8_t PIN_OPACITY_MIN = 10;
inline constexpr uint8_t PIN_OPACITY_MAX = 100;

// round(v) half away from zero, saturated to [lo, hi]; NaN gives lo.
int32_t saturating_round(double v, int32_t lo, int32_t hi);

// The window around an image of w x h at that scale: a 1-pixel border on every side, the image
// at least 1 x 1.
Size32 pin_outer_size(int32_t w, int32_t h, float scale);
// Into [min(0.05, lowest), 16], `lowest` being the scale the pin was made at: a pin made below
// 0.05 (a huge image fitted to its monitor) can always zoom back out to it, never further. A
// scale that is not a positive number becomes 1.
float clamp_pin_scale(float scale, float lowest = PIN_SCALE_MIN);
// current x 1.1^steps; crossing 1 in either direction lands on 1.0 exactly.
float zoom_next(float current, float steps);
// Fractional notches: a touchpad's delta of 30 is a quarter step.
float wheel_steps(int32_t wheel_delta);
// Where a window of the new size goes so that the anchor keeps its relative place in it.
Point32 anchored_origin(const Rect& old_window, int32_t anchor_x, int32_t anchor_y, Size32 new_size);
// ((l + r) / 2, (t + b) / 2), integer division.
Point32 rect_center(const Rect& r);
// The top-left of a window of the new size on the old window's centre.
Point32 recentred_origin(const Rect& old_window, Size32 new_size);
// The scale at which the longer side is 96 device-independent pixels.
float thumbnail_scale(uint32_t dpi, int32_t w, int32_t h);

uint8_t clamp_pin_opacity(int32_t percent);
// The layered window's alpha for that percent (after clamping).
uint8_t pin_alpha(uint8_t percent);
// Ctrl+wheel: ten points up for a positive delta, else down, on the tens, within [10, 100].
uint8_t wheel_opacity(uint8_t current, int32_t wheel_delta);

// "121%".
std::string zoom_label_text(float scale);
// "Opacity 80%", with the caption of the user's language.
std::string opacity_label_text(std::string_view caption, uint8_t percent);

// The label's font and spacing at a DPI (96 when 0).
struct PinLabelMetrics {
    int32_t font_height = 0;
    int32_t pad = 0;
    int32_t radius = 0;
};
PinLabelMetrics pin_label_metrics(uint32_t dpi);
// The label's box for a text of text_w x text_h pixels.
Rect pin_label_box(const PinLabelMetrics& m, int32_t text_w, int32_t text_h);

// Where an image of w x h goes on a printer page: centred across the top, no larger than it
// would be at 96 DPI, never stretched when the printer's two resolutions differ. None when a
// size or resolution is not positive.
std::optional<Rect> print_placement(int32_t w, int32_t h, int32_t horzres, int32_t vertres, int32_t logpixels_x,
                                    int32_t logpixels_y);

// A new pin's scale and place on a monitor: shrunk to 90 % of the monitor when larger, its
// window kept inside the monitor.
struct PinPlacement {
    float scale = 1;
    int32_t x = 0, y = 0;
};
// Top-left at (x, y) as far as the monitor allows.
PinPlacement place_pin_at(int32_t w, int32_t h, const Rect& monitor, int32_t x, int32_t y);
// Centred on the cursor as far as the monitor allows.
PinPlacement place_pin_centred(int32_t w, int32_t h, const Rect& monitor, int32_t cursor_x, int32_t cursor_y);
