#include "capture/redact_covers.h"

#include <algorithm>
#include <cmath>

std::vector<Annotation> redact_to_annotations(std::span<const CoverRect> rects, const Rect& selection, uint32_t color,
                                              bool blur) {
    std::vector<Annotation> out;
    const double l = selection.l, t = selection.t, r = selection.r, b = selection.b;
    for (const CoverRect& c : rects) {
        const double x0 = std::clamp(std::floor(l + c.x), l, r), y0 = std::clamp(std::floor(t + c.y), t, b);
        const double x1 = std::clamp(std::ceil(l + double(c.x) + c.width), l, r);
        const double y1 = std::clamp(std::ceil(t + double(c.y) + c.height), t, b);
        if (!(x1 > x0 && y1 > y0)) continue;  // also drops NaN
        Annotation a;
        a.kind = Tool::Mosaic;
        a.points = {{float(x0), float(y0)}, {float(x1), float(y1)}};
        a.color = color;
        a.width = 0;
        a.boxed = true;
        a.blur = blur;
        a.outline = true;
        out.push_back(std::move(a));
    }
    return out;
}
