#pragma once
// Shapes of annotations: handles, hit tests, the arrow outline, the 45-degree and square rules
// and the rectangles that bound what each kind draws.
#include <array>
#include <optional>
#include <vector>

#include "annot/annotation.h"
#include "util/geometry.h"
#include "util/rect_ops.h"

// The bounds of a Text annotation's outline (measure_text_path); none when they cannot be
// measured. Text needs a font, so the caller supplies it.
using TextBoundsFn = std::optional<Rect> (*)(const Annotation&);

// Handle points: corner kinds 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left (the
// opposite of k is k ^ 2); Arrow and a two-point Line their two points; the others none.
std::vector<AnnotationPoint> annot_handle_points(const Annotation& a);

// Whether (x, y) lies on the annotation, E = width / 2 + tolerance. Text is hit inside its
// outline's bounds only, and never without text_bounds.
bool annot_hit_test(const Annotation& a, float x, float y, float tolerance, TextBoundsFn text_bounds);

// Distance from p to the segment a-b; a segment shorter than 0.001 counts as its start point.
float segment_distance(AnnotationPoint p, AnnotationPoint a, AnnotationPoint b);

// The filled arrow from tail to tip: tail + s n, neck left, barb left, tip, barb right, neck
// right, tail - s n. None when the arrow is shorter than 0.001.
std::optional<std::array<AnnotationPoint, 7>> arrow_polygon(AnnotationPoint tail, AnnotationPoint tip, float width);
// Half the width of the arrow head: how far the drawing reaches beside the segment.
float arrow_head_half_width(float width);

// `to` turned about `from` to the nearest multiple of 45 degrees, its distance kept.
AnnotationPoint snap_45(AnnotationPoint from, AnnotationPoint to);
// `to` moved so that both sides from `from` equal the larger of |dx| and |dy|, signs kept.
AnnotationPoint square_from(AnnotationPoint from, AnnotationPoint to);

// The smallest integer rectangle holding the box (floor of the low edges, ceiling of the high).
Rect outward_rect(const BoxF& box);
BoxF grow_box(const BoxF& box, float by);

// The annotation's bounds as the selection frame shows them: the box of its points, or for
// Text its outline's bounds (the box of its point when they cannot be measured).
Rect annotation_bounds(const Annotation& a, TextBoundsFn text_bounds);

// Everything the annotation draws, anti-aliasing included: its bounds grown by half its stroke,
// its radius or its arrow head, plus 2 pixels. Spotlight dims outside its box, so the caller
// adds the dimmed area.
Rect paint_bounds(const Annotation& a, TextBoundsFn text_bounds);
