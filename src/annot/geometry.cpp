#include "annot/geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float QUARTER_PI = 0.7853982f;

bool inside(const BoxF& b, float x, float y) { return b.l <= x && x <= b.r && b.t <= y && y <= b.b; }

float distance(AnnotationPoint a, AnnotationPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

float path_distance(const std::vector<AnnotationPoint>& pts, AnnotationPoint p) {
    if (pts.size() == 1) return distance(p, pts[0]);
    float best = INFINITY;
    for (size_t i = 1; i < pts.size(); ++i) best = std::min(best, segment_distance(p, pts[i - 1], pts[i]));
    return best;
}

bool hit_ellipse(const BoxF& box, bool filled, float x, float y, float e) {
    const float cx = (box.l + box.r) / 2, cy = (box.t + box.b) / 2;
    const float rx = (box.r - box.l) / 2, ry = (box.b - box.t) / 2;
    const float dx = x - cx, dy = y - cy;
    if (filled) {
        const float gx = std::max(rx + e, 1.0f), gy = std::max(ry + e, 1.0f);
        return (dx * dx) / (gx * gx) + (dy * dy) / (gy * gy) <= 1.0f;
    }
    if (rx < 1 || ry < 1) return inside(grow_box(box, e), x, y);
    const float d = std::sqrt((dx * dx) / (rx * rx) + (dy * dy) / (ry * ry));
    return std::min(rx, ry) * std::fabs(d - 1.0f) <= e;
}

bool hit_rectangle(const BoxF& box, bool filled, float x, float y, float e) {
    if (!inside(grow_box(box, e), x, y)) return false;
    if (filled) return true;
    // Within e of the border: not deeper inside than e.
    const BoxF inner = grow_box(box, -e);
    return !(inner.l < x && x < inner.r && inner.t < y && y < inner.b);
}

int32_t floor_i32(float v) {
    if (!(v > -2147483520.0f)) return INT32_MIN;  // also NaN
    if (v >= 2147483520.0f) return INT32_MAX;
    return static_cast<int32_t>(std::floor(v));
}
int32_t ceil_i32(float v) {
    if (!(v < 2147483520.0f)) return INT32_MAX;  // also NaN
    if (v <= -2147483520.0f) return INT32_MIN;
    return static_cast<int32_t>(std::ceil(v));
}
}  // namespace

BoxF corner_box(const Annotation& a) {
    if (a.points.empty()) return {};
    const AnnotationPoint p = a.points.front(), q = a.points.back();
    return {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}

BoxF points_box(const Annotation& a) {
    if (a.points.empty()) return {};
    BoxF b{a.points[0].x, a.points[0].y, a.points[0].x, a.points[0].y};
    for (const AnnotationPoint& p : a.points) {
        b.l = std::min(b.l, p.x);
        b.t = std::min(b.t, p.y);
        b.r = std::max(b.r, p.x);
        b.b = std::max(b.b, p.y);
    }
    return b;
}

std::vector<AnnotationPoint> annot_handle_points(const Annotation& a) {
    if (a.points.empty()) return {};
    if (has_corner_handles(a)) {
        const BoxF b = corner_box(a);
        return {{b.l, b.t}, {b.r, b.t}, {b.r, b.b}, {b.l, b.b}};
    }
    if ((a.kind == Tool::Arrow && a.points.size() >= 2) || (a.kind == Tool::Line && a.points.size() == 2)) {
        return {a.points[0], a.points[1]};
    }
    return {};
}

float segment_distance(AnnotationPoint p, AnnotationPoint a, AnnotationPoint b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len2 = dx * dx + dy * dy;
    if (std::sqrt(len2) < 0.001f) return distance(p, a);
    const float t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0f, 1.0f);
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

bool annot_hit_test(const Annotation& a, float x, float y, float tolerance, TextBoundsFn text_bounds) {
    if (a.points.empty()) return false;
    const float e = a.width / 2 + tolerance;
    const AnnotationPoint p{x, y};
    switch (a.kind) {
    case Tool::Rectangle: return hit_rectangle(corner_box(a), a.filled, x, y, e);
    case Tool::Ellipse: return hit_ellipse(corner_box(a), a.filled, x, y, e);
    case Tool::Arrow:
        return segment_distance(p, a.points.front(), a.points.size() > 1 ? a.points[1] : a.points.front()) <=
               tolerance + 1.5f * a.width;
    case Tool::Spotlight: return inside(grow_box(corner_box(a), e), x, y);
    case Tool::Highlighter:
    case Tool::Mosaic:
        if (a.boxed) return inside(grow_box(corner_box(a), e), x, y);
        return path_distance(a.points, p) <= e;
    case Tool::Line:
    case Tool::Pen: return path_distance(a.points, p) <= e;
    case Tool::Number: return distance(p, a.points.front()) <= e;
    case Tool::Text: {
        if (!text_bounds || !std::isfinite(x) || !std::isfinite(y)) return false;
        const std::optional<Rect> bounds = text_bounds(a);
        return bounds && bounds->contains(static_cast<int32_t>(std::clamp(x, -2e9f, 2e9f)),
                                          static_cast<int32_t>(std::clamp(y, -2e9f, 2e9f)));
    }
    case Tool::Eraser:
    case Tool::None: return false;
    }
    return false;
}

float arrow_head_half_width(float width) { return std::max(2.2f * width, 6.0f); }

std::optional<std::array<AnnotationPoint, 7>> arrow_polygon(AnnotationPoint tail, AnnotationPoint tip, float w) {
    const float len = distance(tail, tip);
    if (!(len >= 0.001f) || !std::isfinite(len)) return std::nullopt;
    const float ux = (tip.x - tail.x) / len, uy = (tip.y - tail.y) / len;
    const float nx = -uy, ny = ux;
    const float h = std::min(0.6f * len, std::max(4 * w, 12.0f));
    const float shaft = std::max(0.2f * w, 0.6f);
    const float neck = 0.75f * w;
    const float head = arrow_head_half_width(w);
    const AnnotationPoint base{tip.x - h * ux, tip.y - h * uy};
    const AnnotationPoint barb{tip.x - 1.18f * h * ux, tip.y - 1.18f * h * uy};
    return std::array<AnnotationPoint, 7>{{
        {tail.x + shaft * nx, tail.y + shaft * ny},
        {base.x + neck * nx, base.y + neck * ny},
        {barb.x + head * nx, barb.y + head * ny},
        tip,
        {barb.x - head * nx, barb.y - head * ny},
        {base.x - neck * nx, base.y - neck * ny},
        {tail.x - shaft * nx, tail.y - shaft * ny},
    }};
}

AnnotationPoint snap_45(AnnotationPoint from, AnnotationPoint to) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float len = std::hypot(dx, dy);
    if (len == 0 || !std::isfinite(len)) return to;
    const float angle = std::round(std::atan2(dy, dx) / QUARTER_PI) * QUARTER_PI;
    return {from.x + len * std::cos(angle), from.y + len * std::sin(angle)};
}

AnnotationPoint square_from(AnnotationPoint from, AnnotationPoint to) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float side = std::max(std::fabs(dx), std::fabs(dy));
    return {from.x + std::copysign(side, dx), from.y + std::copysign(side, dy)};
}

BoxF grow_box(const BoxF& box, float by) { return {box.l - by, box.t - by, box.r + by, box.b + by}; }

Rect outward_rect(const BoxF& box) {
    return {floor_i32(box.l), floor_i32(box.t), ceil_i32(box.r), ceil_i32(box.b)};
}

Rect annotation_bounds(const Annotation& a, TextBoundsFn text_bounds) {
    if (a.kind == Tool::Text && text_bounds && !a.points.empty()) {
        if (const std::optional<Rect> r = text_bounds(a)) return *r;
    }
    return outward_rect(points_box(a));
}

Rect paint_bounds(const Annotation& a, TextBoundsFn text_bounds) {
    if (a.points.empty()) return {};
    const float w = std::isfinite(a.width) ? std::max(a.width, 0.0f) : 0.0f;
    float reach = 0;
    switch (a.kind) {
    case Tool::Rectangle:
    case Tool::Ellipse:
    case Tool::Line:
    case Tool::Pen: reach = w / 2; break;
    case Tool::Arrow: reach = std::max(arrow_head_half_width(w), w / 2); break;
    case Tool::Highlighter: reach = a.boxed ? 0 : w / 2; break;
    case Tool::Mosaic: reach = a.boxed ? 0 : std::max(w, 0.5f) / 2; break;
    case Tool::Number: reach = w / 2 + std::max(w / 14, 1.5f); break;
    case Tool::Text:  // the outline's bounds already hold the outline pen
    case Tool::Spotlight:
    case Tool::Eraser:
    case Tool::None: reach = 0; break;
    }
    const Rect inner = annotation_bounds(a, text_bounds);
    const BoxF box{static_cast<float>(inner.l), static_cast<float>(inner.t), static_cast<float>(inner.r),
                   static_cast<float>(inner.b)};
    return outward_rect(grow_box(box, reach + 2));
}
