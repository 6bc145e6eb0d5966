#include "pin/pin_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest image side a window can have and still add its border.
constexpr int32_t MAX_IMAGE_SIDE = INT32_MAX - 2;

}  // namespace

int32_t saturating_round(double v, int32_t lo, int32_t hi) {
    if (std::isnan(v) || v <= lo) return lo;
    if (v >= hi) return hi;
    return static_cast<int32_t>(std::lround(v));
}

Size32 pin_outer_size(int32_t w, int32_t h, float scale) {
    // The product in single precision, as the scale is kept.
    const float fw = static_cast<float>(w) * scale, fh = static_cast<float>(h) * scale;
    return {saturating_round(fw, 1, MAX_IMAGE_SIDE) + 2, saturating_round(fh, 1, MAX_IMAGE_SIDE) + 2};
}

float clamp_pin_scale(float scale, float lowest) {
    if (!(scale > 0) || !std::isfinite(scale)) return 1.0f;
    const float floor = lowest > 0 ? std::min(PIN_SCALE_MIN, lowest) : PIN_SCALE_MIN;
    return std::clamp(scale, floor, PIN_SCALE_MAX);
}

float zoom_next(float current, float steps) {
    // In double, so that a notch up and one down come back to the same float.
    const auto n = static_cast<float>(
        std::clamp(static_cast<double>(current) * std::pow(1.1, static_cast<double>(steps)), 0.0, 1e30));
    if ((current < 1.0f && n > 1.0f) || (current > 1.0f && n < 1.0f)) return 1.0f;
    return n;
}

float wheel_steps(int32_t wheel_delta) { return static_cast<float>(wheel_delta) / 120.0f; }

Point32 anchored_origin(const Rect& old_window, int32_t anchor_x, int32_t anchor_y, Size32 new_size) {
    // A window narrower or lower than 2 pixels counts as 1.
    const int64_t ow = old_window.width64() < 2 ? 1 : old_window.width64();
    const int64_t oh = old_window.height64() < 2 ? 1 : old_window.height64();
    const double fx = static_cast<double>(int64_t{anchor_x} - old_window.l) / static_cast<double>(ow);
    const double fy = static_cast<double>(int64_t{anchor_y} - old_window.t) / static_cast<double>(oh);
    const int32_t dx = saturating_round(new_size.w * fx, INT32_MIN, INT32_MAX);
    const int32_t dy = saturating_round(new_size.h * fy, INT32_MIN, INT32_MAX);
    return {saturate_i32(int64_t{anchor_x} - dx), saturate_i32(int64_t{anchor_y} - dy)};
}

Point32 rect_center(const Rect& r) {
    return {saturate_i32((int64_t{r.l} + r.r) / 2), saturate_i32((int64_t{r.t} + r.b) / 2)};
}

Point32 recentred_origin(const Rect& old_window, Size32 new_size) {
    const Point32 c = rect_center(old_window);
    return {saturate_i32(int64_t{c.x} - new_size.w / 2), saturate_i32(int64_t{c.y} - new_size.h / 2)};
}

float thumbnail_scale(uint32_t dpi, int32_t w, int32_t h) {
    const int32_t side = std::max({w, h, 1});
    return static_cast<float>(std::max<uint32_t>(dpi, 96)) / static_cast<float>(side);
}

uint8_t clamp_pin_opacity(int32_t percent) {
    return static_cast<uint8_t>(std::clamp<int32_t>(percent, PIN_OPACITY_MIN, PIN_OPACITY_MAX));
}

uint8_t pin_alpha(uint8_t percent) { return static_cast<uint8_t>(clamp_pin_opacity(percent) * 255 / 100); }

uint8_t wheel_opacity(uint8_t current, int32_t wheel_delta) {
    const int32_t next = wheel_delta > 0 ? current + 10 : current - 10;
    return clamp_pin_opacity(next / 10 * 10);
}

std::string zoom_label_text(float scale) {
    return std::to_string(saturating_round(static_cast<double>(scale) * 100.0, 0, INT32_MAX)) + "%";
}

std::string opacity_label_text(std::string_view caption, uint8_t percent) {
    return std::string(caption) + " " + std::to_string(percent) + "%";
}

PinLabelMetrics pin_label_metrics(uint32_t dpi) {
    const double d = dpi ? dpi : 96;
    auto at = [d](double px) { return saturating_round(px * d / 96.0, 0, 100000); };
    return {at(12), at(6), at(3)};
}

Rect pin_label_box(const PinLabelMetrics& m, int32_t text_w, int32_t text_h) {
    const int32_t left = m.pad + 1, top = m.pad + 1;
    return {left, top, saturate_i32(int64_t{left} + text_w + m.font_height), saturate_i32(int64_t{top} + text_h + m.pad)};
}

std::optional<Rect> print_placement(int32_t w, int32_t h, int32_t horzres, int32_t vertres, int32_t logpixels_x,
                                    int32_t logpixels_y) {
    if (w <= 0 || h <= 0 || horzres <= 0 || vertres <= 0 || logpixels_x <= 0 || logpixels_y <= 0) return std::nullopt;
    // Heights are in the printer's vertical dots: y_per_x of them per horizontal one.
    const float y_per_x = static_cast<float>(logpixels_y) / static_cast<float>(logpixels_x);
    const float k = std::min({static_cast<float>(logpixels_x) / 96.0f, static_cast<float>(horzres) / static_cast<float>(w),
                              static_cast<float>(vertres) / (static_cast<float>(h) * y_per_x)});
    if (!(k > 0) || !std::isfinite(k)) return std::nullopt;
    // Products in double: a page of 2^31 dots is not a float's to round up.
    const auto dw = static_cast<int32_t>(std::min(static_cast<double>(w) * k, static_cast<double>(horzres)));
    const auto dh = static_cast<int32_t>(
        std::min(static_cast<double>(h) * k * static_cast<double>(y_per_x), static_cast<double>(vertres)));
    if (dw <= 0 || dh <= 0) return std::nullopt;
    const int32_t x = (horzres - dw) / 2;
    return Rect{x, 0, x + dw, dh};
}

namespace {

float monitor_fit_scale(int32_t w, int32_t h, const Rect& monitor) {
    if (monitor.empty()) return 1.0f;
    const float sx = 0.9f * static_cast<float>(monitor.width64()) / static_cast<float>(std::max(w, 1));
    const float sy = 0.9f * static_cast<float>(monitor.height64()) / static_cast<float>(std::max(h, 1));
    return std::min({sx, sy, 1.0f});
}

int32_t keep_inside(int64_t want, int32_t lo, int32_t hi_edge, int32_t size) {
    return saturate_i32(std::max<int64_t>(std::min<int64_t>(want, int64_t{hi_edge} - size), lo));
}

}  // namespace

PinPlacement place_pin_at(int32_t w, int32_t h, const Rect& monitor, int32_t x, int32_t y) {
    const float s = monitor_fit_scale(w, h, monitor);
    const Size32 o = pin_outer_size(w, h, s);
    return {s, keep_inside(x, monitor.l, monitor.r, o.w), keep_inside(y, monitor.t, monitor.b, o.h)};
}

PinPlacement place_pin_centred(int32_t w, int32_t h, const Rect& monitor, int32_t cursor_x, int32_t cursor_y) {
    const float s = monitor_fit_scale(w, h, monitor);
    const Size32 o = pin_outer_size(w, h, s);
    return {s, keep_inside(int64_t{cursor_x} - o.w / 2, monitor.l, monitor.r, o.w),
            keep_inside(int64_t{cursor_y} - o.h / 2, monitor.t, monitor.b, o.h)};
}
