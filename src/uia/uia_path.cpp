#include "uia/uia_path.h"

#include <algorithm>

namespace {

// In 64 bits: a provider may report any coordinates.
int64_t width_of(const Rect& r) { return int64_t{r.r} - r.l; }
int64_t height_of(const Rect& r) { return int64_t{r.b} - r.t; }
// Only for rectangles of positive size: up to (2^32 - 1)^2, which fits in 64 unsigned bits.
uint64_t area_of(const Rect& r) { return static_cast<uint64_t>(width_of(r)) * static_cast<uint64_t>(height_of(r)); }

bool big_enough(const Rect& r, int64_t side) { return width_of(r) >= side && height_of(r) >= side; }

bool covers(const Rect& outer, const Rect& inner) {
    return outer.l <= inner.l && outer.t <= inner.t && outer.r >= inner.r && outer.b >= inner.b;
}

// Element under the point and its ancestors, outermost first.
std::vector<UiaPathEntry> seed_from_point(UiaElementSource& source, uintptr_t root, int32_t x, int32_t y) {
    std::vector<UiaPathEntry> seed;
    const std::optional<Rect> root_rect = source.window_rect(root);
    UiaElementPtr element = source.element_from_point(x, y);
    while (element && seed.size() < UIA_SEED_LIMIT) {
        const std::optional<Rect> rect = element->cached_rect();
        if (!rect || !big_enough(*rect, UIA_MIN_ELEMENT_SIDE)) break;
        seed.push_back({element, *rect});
        if (root_rect && covers(*rect, *root_rect)) break;
        element = source.parent(*element);
    }
    std::reverse(seed.begin(), seed.end());
    return seed;
}

std::vector<UiaPathEntry> seed_from_window(UiaElementSource& source, uintptr_t window) {
    UiaElementPtr element = source.element_from_window(window);
    if (!element) return {};
    std::optional<Rect> rect = element->cached_rect();
    if (!rect || !big_enough(*rect, UIA_MIN_WINDOW_SIDE)) rect = source.window_rect(window);
    if (!rect) return {};
    return {{std::move(element), *rect}};
}

// The smallest on-screen child of at least 4 x 4 pixels that contains the point; of equal
// areas the later one. None when no child contains it; an error when a call failed, which ends
// the descent with the path found so far.
struct ChildChoice {
    UiaElementPtr element;  // null: no child contains the point
    Rect rect;
    bool failed = false;
};

ChildChoice best_child(UiaElementSource& source, const UiaElement& parent, int32_t x, int32_t y) {
    ChildChoice best;
    const std::unique_ptr<UiaChildren> children = source.children(parent);
    if (!children) return {nullptr, {}, true};
    const size_t n = std::min(children->count(), UIA_CHILDREN_LIMIT);
    uint64_t best_area = 0;
    for (size_t i = 0; i < n; ++i) {
        UiaElementPtr child = children->at(i);
        if (!child) return {nullptr, {}, true};
        // A failed offscreen read counts as on screen.
        if (child->cached_offscreen().value_or(false)) continue;
        const std::optional<Rect> rect = child->cached_rect();
        if (!rect) return {nullptr, {}, true};
        if (!big_enough(*rect, UIA_MIN_ELEMENT_SIDE) || !rect->contains(x, y)) continue;
        const uint64_t area = area_of(*rect);
        if (!best.element || area <= best_area) {
            best.element = std::move(child);
            best.rect = *rect;
            best_area = area;
        }
    }
    return best;
}

}  // namespace

std::vector<Rect> uia_find_element_rects(UiaElementSource& source, UiaPath& kept, uintptr_t window,
                                         int32_t x, int32_t y) {
    const uintptr_t root = window ? window : source.root_window_at(x, y);
    if (!root || source.is_own_process_window(root)) return {};

    std::vector<UiaPathEntry> path;
    if (!window) {
        path = seed_from_point(source, root, x, y);
    } else if (kept.root == window) {
        path = std::move(kept.entries);
        while (!path.empty() && !path.back().rect.contains(x, y)) path.pop_back();
    }
    if (path.empty()) path = seed_from_window(source, root);

    for (size_t level = 0; level < UIA_DESCENT_LIMIT && !path.empty() && path.size() < UIA_PATH_LIMIT;
         ++level) {
        ChildChoice child = best_child(source, *path.back().element, x, y);
        if (!child.element) break;
        path.push_back({std::move(child.element), child.rect});
    }

    std::vector<Rect> rects;
    rects.reserve(path.size());
    for (auto it = path.rbegin(); it != path.rend(); ++it) rects.push_back(it->rect);
    kept.root = root;
    kept.entries = std::move(path);
    return rects;
}
