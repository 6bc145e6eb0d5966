#pragma once
#include <cstdint>

// Right and bottom exclusive.
struct Rect {
    int32_t l = 0, t = 0, r = 0, b = 0;
    int32_t width() const { return r - l; }
    int32_t height() const { return b - t; }
    bool empty() const { return r <= l || b <= t; }
    bool contains(int32_t x, int32_t y) const { return l <= x && x < r && t <= y && y < b; }
    int64_t area() const { return static_cast<int64_t>(r - l) * static_cast<int64_t>(b - t); }
    Rect offset(int32_t dx, int32_t dy) const { return {l + dx, t + dy, r + dx, b + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect intersect(const Rect& a, const Rect& b) {
    Rect r{a.l > b.l ? a.l : b.l, a.t > b.t ? a.t : b.t, a.r < b.r ? a.r : b.r, a.b < b.b ? a.b : b.b};
    if (r.empty()) return {};
    return r;
}
