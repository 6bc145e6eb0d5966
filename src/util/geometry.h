#pragma once
#include <cstdint>
#include <climits>

// v saturated to the 32-bit range.
inline int32_t saturate_i32(int64_t v) {
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v);
}

struct Size32 {
    int32_t w = 0, h = 0;
    friend bool operator==(const Size32&, const Size32&) = default;
};

struct Point32 {
    int32_t x = 0, y = 0;
    friend bool operator==(const Point32&, const Point32&) = default;
};

// Right and bottom exclusive.
struct Rect {
    int32_t l = 0, t = 0, r = 0, b = 0;
    // Differences in 64 bits: extreme coordinates from other processes must not overflow.
    int64_t width64() const { return int64_t{r} - l; }
    int64_t height64() const { return int64_t{b} - t; }
    int32_t width() const { return saturate_i32(width64()); }
    int32_t height() const { return saturate_i32(height64()); }
    bool empty() const { return r <= l || b <= t; }
    bool contains(int32_t x, int32_t y) const { return l <= x && x < r && t <= y && y < b; }
    // Saturates instead of overflowing for rectangles spanning the whole 32-bit range.
    int64_t area() const {
        if (empty()) return 0;
        int64_t a = 0;
        return __builtin_mul_overflow(width64(), height64(), &a) ? INT64_MAX : a;
    }
    Rect offset(int32_t dx, int32_t dy) const { return {l + dx, t + dy, r + dx, b + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect intersect(const Rect& a, const Rect& b) {
    Rect r{a.l > b.l ? a.l : b.l, a.t > b.t ? a.t : b.t, a.r < b.r ? a.r : b.r, a.b < b.b ? a.b : b.b};
    if (r.empty()) return {};
    return r;
}
