#include "capture/annotation_layer.h"

namespace {
int drawing_step(Tool kind) { return kind == Tool::Mosaic ? 2 : kind == Tool::Spotlight ? 3 : 1; }
}  // namespace

bool drawn_over_list(const std::vector<Annotation>& list, const Annotation& extra) {
    const int step = drawing_step(extra.kind);
    if (step == 3) return false;
    for (const Annotation& a : list)
        if (!a.points.empty() && drawing_step(a.kind) > step) return false;
    return true;
}
