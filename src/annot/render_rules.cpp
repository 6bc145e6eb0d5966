#include "annot/render_rules.h"

#include <algorithm>
#include <cmath>

RenderPlan plan_render(const std::vector<Annotation>& list, const Annotation* extra) {
    RenderPlan plan;
    const auto add = [&plan](const Annotation& a) {
        if (a.points.empty()) return;
        if (a.kind == Tool::Mosaic) plan.mosaics.push_back(&a);
        else if (a.kind == Tool::Spotlight) plan.spotlights.push_back(&a);
        else plan.shapes.push_back(&a);
    };
    for (const Annotation& a : list) add(a);
    if (extra) add(*extra);
    return plan;
}

std::vector<BoxF> spotlight_holes(const std::vector<const Annotation*>& spotlights) {
    std::vector<BoxF> holes;
    for (const Annotation* a : spotlights) holes.push_back(corner_box(*a));
    return holes;
}

float luminance(uint32_t argb) {
    const float r = static_cast<float>((argb >> 16) & 0xFF);
    const float g = static_cast<float>((argb >> 8) & 0xFF);
    const float b = static_cast<float>(argb & 0xFF);
    return (0.299f * r + 0.587f * g + 0.114f * b) / 255.0f;
}

uint32_t text_outline_color(uint32_t argb) { return luminance(argb) > 0.6f ? NEAR_BLACK : WHITE; }
uint32_t number_digit_color(uint32_t argb) { return luminance(argb) > 0.7f ? NEAR_BLACK : WHITE; }
uint32_t text_box_background(uint32_t argb) { return luminance(argb) > 0.75f ? 0x303030u : 0xFFFFFFu; }

uint32_t highlighter_draw_color(uint32_t argb) {
    if ((argb >> 24) != 0xFF) return argb;
    return (HIGHLIGHTER_ALPHA << 24) | (argb & 0xFFFFFFu);
}

float text_outline_pen_width(float width) { return std::max(width / 6, 2.0f); }
float number_ring_width(float width) { return std::max(width / 14, 1.5f); }
float number_em_size(float width, uint32_t number) { return (number < 10 ? 0.58f : 0.48f) * width; }
float mosaic_pen_width(float width) { return std::max(width, 0.5f); }

BoxF grow_text_bounds(const BoxF& b, float width) {
    const float by = width / 7 + 3;
    return {std::floor(b.l - by), std::floor(b.t - by), std::ceil(b.r + by), std::ceil(b.b + by)};
}
