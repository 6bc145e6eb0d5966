#include "capture/auto_select.h"

#include <algorithm>

Rect to_overlay(const AutoSelect& s, const Rect& r) {
    return {saturate_i32(int64_t{r.l} - s.origin_x), saturate_i32(int64_t{r.t} - s.origin_y),
            saturate_i32(int64_t{r.r} - s.origin_x), saturate_i32(int64_t{r.b} - s.origin_y)};
}

namespace {
const WindowTarget* window_at(const AutoSelect& s, int32_t x, int32_t y) {
    for (const WindowTarget& w : s.windows)
        if (w.rect.contains(x, y)) return &w;
    return nullptr;
}

const WindowTarget* find_window(const AutoSelect& s, WindowHandle window) {
    for (const WindowTarget& w : s.windows)
        if (w.window == window) return &w;
    return nullptr;
}
}  // namespace

HitTest hit_test_window_element(AutoSelect& s, int32_t x, int32_t y) {
    HitTest hit;
    const WindowTarget* target = window_at(s, x, y);
    if (!target) return hit;
    if (!target->window || s.detect == CaptureDetect::Window) {
        hit.rect = target->rect;
        return hit;
    }

    const ElementRequestKey here{target->window, x, y};
    const bool hover_here = s.hover && s.hover->window == target->window && s.hover->x == x && s.hover->y == y;
    std::vector<Rect> candidates;
    if (hover_here) {
        candidates = s.hover->elements;
    } else if (auto it = s.element_cache.find(target->window); it != s.element_cache.end()) {
        for (const Rect& r : it->second)
            if (r.contains(x, y)) candidates.push_back(r);
    }

    if (!hover_here && s.last_request != here) {
        s.last_request = here;
        hit.request = ElementQuery{saturate_i32(int64_t{x} + s.origin_x), saturate_i32(int64_t{y} + s.origin_y),
                                   target->window};
    }

    candidates.push_back(target->rect);
    // Saturating areas: rectangles too large for 64 bits compare equal and keep their order,
    // which leaves the window (added last) outermost.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Rect& a, const Rect& b) { return a.area() < b.area(); });
    // Every repeat goes, not only adjacent ones: equal areas may interleave two equal rectangles.
    std::vector<Rect> nested;
    for (const Rect& r : candidates)
        if (std::find(nested.begin(), nested.end(), r) == nested.end()) nested.push_back(r);

    s.wheel_index = std::min(s.wheel_index, nested.size() - 1);
    hit.rect = nested[s.wheel_index];
    return hit;
}

void merge_uia_result(AutoSelect& s, const ElementAnswer& answer) {
    if (!answer.window) return;
    const WindowTarget* target = find_window(s, answer.window);
    if (!target) return;
    const Rect& win = target->rect;

    std::vector<Rect> kept;
    for (const Rect& screen : answer.elements) {
        const Rect r = intersect(to_overlay(s, screen), win);
        if (r.empty()) continue;
        if (r.l > win.l || r.t > win.t || r.r < win.r || r.b < win.b) kept.push_back(r);
    }

    std::vector<Rect>& cached = s.element_cache[answer.window];
    for (const Rect& r : kept)
        if (std::find(cached.begin(), cached.end(), r) == cached.end()) cached.push_back(r);

    s.hover = ElementHover{answer.window, saturate_i32(int64_t{answer.screen_x} - s.origin_x),
                           saturate_i32(int64_t{answer.screen_y} - s.origin_y), std::move(kept)};
}

Rect nearest_monitor(const AutoSelect& s, int32_t x, int32_t y) {
    const Rect* best = nullptr;
    int64_t best_distance = 0;
    for (const Rect& m : s.monitors) {
        const int64_t dx = std::max({int64_t{m.l} - x, int64_t{x} - (int64_t{m.r} - 1), int64_t{0}});
        const int64_t dy = std::max({int64_t{m.t} - y, int64_t{y} - (int64_t{m.b} - 1), int64_t{0}});
        // Distances beyond 2^30 only come from nonsense rectangles; capping keeps the sum in 64 bits.
        const int64_t cx = std::min<int64_t>(dx, int64_t{1} << 30), cy = std::min<int64_t>(dy, int64_t{1} << 30);
        const int64_t d = cx * cx + cy * cy;
        if (!best || d < best_distance) {
            best = &m;
            best_distance = d;
        }
    }
    if (!best) return {0, 0, s.width, s.height};
    return *best;
}
