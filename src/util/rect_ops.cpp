#include "util/rect_ops.h"

#include <algorithm>
#include <climits>

Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b.empty() ? Rect{} : b;
    if (b.empty()) return a;
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b)};
}

Rect grow(const Rect& r, int32_t d) {
    return {saturate_i32(int64_t{r.l} - d), saturate_i32(int64_t{r.t} - d), saturate_i32(int64_t{r.r} + d),
            saturate_i32(int64_t{r.b} + d)};
}

std::vector<Rect> subtract(const Rect& a, const Rect& b) {
    if (a.empty()) return {};
    const Rect cut = intersect(a, b);
    if (cut.empty()) return {a};
    std::vector<Rect> out;
    // Full-width bands above and below the cut, then the pieces left and right of it.
    const Rect bands[] = {{a.l, a.t, a.r, cut.t}, {a.l, cut.b, a.r, a.b}, {a.l, cut.t, cut.l, cut.b},
                          {cut.r, cut.t, a.r, cut.b}};
    for (const Rect& r : bands)
        if (!r.empty()) out.push_back(r);
    return out;
}

std::vector<Rect> symmetric_difference(const Rect& a, const Rect& b) {
    std::vector<Rect> out = subtract(a, b);
    const std::vector<Rect> other = subtract(b, a);
    out.insert(out.end(), other.begin(), other.end());
    return out;
}
