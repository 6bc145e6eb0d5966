#pragma once
// Rectangle arithmetic for layouts and repaint areas.
#include <vector>

#include "util/geometry.h"

// The smallest rectangle holding both; an empty one counts as absent.
Rect unite(const Rect& a, const Rect& b);
// Grown by d on every side (shrunk for a negative d), saturating at the 32-bit range.
Rect grow(const Rect& r, int32_t d);
// a without b, as up to four disjoint rectangles.
std::vector<Rect> subtract(const Rect& a, const Rect& b);
// The points in exactly one of the two, as disjoint rectangles.
std::vector<Rect> symmetric_difference(const Rect& a, const Rect& b);
