#pragma once
// What the drawing of annotations decides before it touches GDI+: the order of the three
// steps, the spotlight holes, colours chosen by luminance and the sizes of strokes and text.
#include <cstdint>
#include <vector>

#include "annot/annotation.h"

// Step 1 every kind but Mosaic and Spotlight, step 2 the Mosaics, step 3 the Spotlights, each
// in list order with the annotation being drawn last; annotations without points are left out.
struct RenderPlan {
    std::vector<const Annotation*> shapes;
    std::vector<const Annotation*> mosaics;
    std::vector<const Annotation*> spotlights;
};
RenderPlan plan_render(const std::vector<Annotation>& list, const Annotation* extra);

// The rectangles left undimmed by the spotlights: each one's box of first and last points.
std::vector<BoxF> spotlight_holes(const std::vector<const Annotation*>& spotlights);

inline constexpr uint32_t NEAR_BLACK = 0xFF1C1C1E;
inline constexpr uint32_t WHITE = 0xFFFFFFFF;
inline constexpr uint32_t SPOTLIGHT_DIM = 0x99000000;
inline constexpr uint32_t HIGHLIGHTER_ALPHA = 0x60;

// (0.299 R + 0.587 G + 0.114 B) / 255 of an ARGB colour.
float luminance(uint32_t argb);
// The outline of outlined Text: near-black around light colours (above 0.6), else white.
uint32_t text_outline_color(uint32_t argb);
// The digits of a Number: near-black on light colours (above 0.7), else white.
uint32_t number_digit_color(uint32_t argb);
// The in-place text box's background (0x00RRGGBB): dark grey behind light text (above 0.75).
uint32_t text_box_background(uint32_t argb);
// A Highlighter must let what it marks show through: an opaque colour is drawn at alpha 0x60.
uint32_t highlighter_draw_color(uint32_t argb);

float text_outline_pen_width(float width);       // max(w / 6, 2)
float number_ring_width(float width);            // max(w / 14, 1.5)
float number_em_size(float width, uint32_t number);  // 0.58 w, or 0.48 w from 10 on
float mosaic_pen_width(float width);             // max(w, 0.5)
// Text outline bounds grown by w / 7 + 3, low edges floored and high edges ceiled.
BoxF grow_text_bounds(const BoxF& path_bounds, float width);
