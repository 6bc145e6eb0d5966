#pragma once
#include <vector>

#include "util/geometry.h"

// The four bands of a border of thickness a inside r: top, bottom, left, right; empty bands
// are left out.
std::vector<Rect> border_bands(const Rect& r, int32_t a);
