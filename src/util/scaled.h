#pragma once
// Screen sizes given in device-independent pixels, turned into physical pixels.
#include <cmath>
#include <cstdint>

namespace scaled_detail {
// Sizes stay far inside 32 bits so sums of a few of them never overflow.
inline constexpr double LIMIT = 1 << 24;
inline int32_t to_i32(double v) {
    if (!(v == v)) return 0;  // NaN
    if (v > LIMIT) return static_cast<int32_t>(LIMIT);
    if (v < -LIMIT) return static_cast<int32_t>(-LIMIT);
    return static_cast<int32_t>(v);
}
}  // namespace scaled_detail

// round(n x scale) to nearest; a result that is not a number counts as 0.
inline int32_t scaled_round(double n, float scale) {
    return scaled_detail::to_i32(std::round(n * static_cast<double>(scale)));
}
// trunc(n x scale): the tooltip's sizes are truncated, not rounded.
inline int32_t scaled_trunc(double n, float scale) {
    return scaled_detail::to_i32(std::trunc(n * static_cast<double>(scale)));
}
