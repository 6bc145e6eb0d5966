#include "util/border.h"

std::vector<Rect> border_bands(const Rect& r, int32_t a) {
    const Rect bands[4] = {
        {r.l, r.t, r.r, r.t + a},
        {r.l, r.b - a, r.r, r.b},
        {r.l, r.t + a, r.l + a, r.b - a},
        {r.r - a, r.t + a, r.r, r.b - a},
    };
    std::vector<Rect> out;
    for (const Rect& b : bands)
        if (!b.empty()) out.push_back(b);
    return out;
}
