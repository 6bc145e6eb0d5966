#pragma once
// The personal data a scan found, as Mosaic boxes over the selection it scanned. Platform-free.
#include <cstdint>
#include <span>
#include <vector>

#include "annot/annotation.h"
#include "redact/redact_types.h"
#include "util/geometry.h"

// Each rectangle (pixels of the selection) becomes a boxed Mosaic from the floor of its top-left
// to the ceiling of its bottom-right, in overlay pixels, kept inside the selection; one that
// leaves nothing there, or is not a number, is dropped.
std::vector<Annotation> redact_to_annotations(std::span<const CoverRect> rects, const Rect& selection, uint32_t color,
                                              bool blur);
