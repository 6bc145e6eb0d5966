#include "annot/render_win.h"

#include <cmath>
#include <string>

#include "annot/geometry.h"
#include "annot/mosaic_cache_win.h"
#include "annot/render_rules.h"
#include "annot/text_path_win.h"
#include "gdip/gdip_win.h"

namespace gp = Gdiplus::DllExports;
using Gdiplus::Ok;

namespace {
std::optional<GdipBrush> solid(uint32_t argb) {
    Gdiplus::GpSolidFill* fill = nullptr;
    if (gp::GdipCreateSolidFill(argb, &fill) != Ok || !fill) return std::nullopt;
    return GdipBrush(fill);
}

void round_ends(Gdiplus::GpPen* pen) {
    gp::GdipSetPenLineCap197819(pen, Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
    gp::GdipSetPenLineJoin(pen, Gdiplus::LineJoinRound);
}

std::optional<GdipPen> pen(uint32_t argb, float width, bool round) {
    Gdiplus::GpPen* raw = nullptr;
    if (gp::GdipCreatePen1(argb, width, Gdiplus::UnitWorld, &raw) != Ok || !raw) return std::nullopt;
    if (round) round_ends(raw);
    return GdipPen(raw);
}

std::vector<Gdiplus::PointF> gdip_points(const std::vector<AnnotationPoint>& pts) {
    std::vector<Gdiplus::PointF> out;
    out.reserve(pts.size());
    for (const AnnotationPoint& p : pts) out.emplace_back(p.x, p.y);
    return out;
}

void fill_box(Gdiplus::GpGraphics* g, Gdiplus::GpBrush* brush, const BoxF& b) {
    gp::GdipFillRectangle(g, brush, b.l, b.t, b.r - b.l, b.b - b.t);
}

void fill_dot(Gdiplus::GpGraphics* g, Gdiplus::GpBrush* brush, AnnotationPoint c, float diameter) {
    gp::GdipFillEllipse(g, brush, c.x - diameter / 2, c.y - diameter / 2, diameter, diameter);
}

// A path through the points with round caps and joins; one point is a round dot.
void stroke_path(Gdiplus::GpGraphics* g, const Annotation& a, uint32_t argb, float width) {
    if (a.points.size() == 1) {
        if (std::optional<GdipBrush> b = solid(argb)) fill_dot(g, b->get(), a.points[0], width);
        return;
    }
    if (std::optional<GdipPen> p = pen(argb, width, true)) {
        const std::vector<Gdiplus::PointF> pts = gdip_points(a.points);
        gp::GdipDrawLines(g, p->get(), pts.data(), static_cast<INT>(pts.size()));
    }
}

void draw_box_shape(Gdiplus::GpGraphics* g, const Annotation& a) {
    const BoxF b = corner_box(a);
    const bool ellipse = a.kind == Tool::Ellipse;
    if (a.filled) {
        if (std::optional<GdipBrush> brush = solid(a.color)) {
            if (ellipse) gp::GdipFillEllipse(g, brush->get(), b.l, b.t, b.r - b.l, b.b - b.t);
            else fill_box(g, brush->get(), b);
        }
        return;
    }
    if (std::optional<GdipPen> p = pen(a.color, a.width, false)) {
        if (ellipse) gp::GdipDrawEllipse(g, p->get(), b.l, b.t, b.r - b.l, b.b - b.t);
        else gp::GdipDrawRectangle(g, p->get(), b.l, b.t, b.r - b.l, b.b - b.t);
    }
}

void draw_arrow(Gdiplus::GpGraphics* g, const Annotation& a) {
    if (a.points.size() < 2) return;
    const auto poly = arrow_polygon(a.points[0], a.points[1], a.width);
    if (!poly) return;  // no length, no direction
    std::optional<GdipBrush> brush = solid(a.color);
    if (!brush) return;
    Gdiplus::PointF pts[7];
    for (size_t i = 0; i < 7; ++i) pts[i] = Gdiplus::PointF((*poly)[i].x, (*poly)[i].y);
    gp::GdipFillPolygon(g, brush->get(), pts, 7, Gdiplus::FillModeWinding);
}

void draw_highlighter(Gdiplus::GpGraphics* g, const Annotation& a) {
    const uint32_t c = highlighter_draw_color(a.color);
    if (!a.boxed) return stroke_path(g, a, c, a.width);
    if (std::optional<GdipBrush> brush = solid(c)) fill_box(g, brush->get(), corner_box(a));
}

void draw_text(Gdiplus::GpGraphics* g, const Annotation& a) {
    std::optional<GdipPath> path = text_outline_path(a);
    if (!path) return;
    if (a.outline) {
        if (std::optional<GdipPen> p = pen(text_outline_color(a.color), text_outline_pen_width(a.width), false)) {
            gp::GdipSetPenLineJoin(p->get(), Gdiplus::LineJoinRound);
            gp::GdipDrawPath(g, p->get(), path->get());
        }
    }
    if (std::optional<GdipBrush> brush = solid(a.color)) gp::GdipFillPath(g, brush->get(), path->get());
}

void draw_number(Gdiplus::GpGraphics* g, const Annotation& a) {
    const AnnotationPoint c = a.points[0];
    const float w = a.width;
    if (std::optional<GdipBrush> disc = solid(a.color)) fill_dot(g, disc->get(), c, w);
    if (std::optional<GdipPen> ring = pen(WHITE, number_ring_width(w), true)) {
        gp::GdipDrawEllipse(g, ring->get(), c.x - w / 2, c.y - w / 2, w, w);
    }
    std::optional<GdipPath> digits = outline_path(std::to_string(a.number), number_em_size(w, a.number), 0, 0);
    if (!digits) return;
    const std::optional<Gdiplus::RectF> b = path_bounds(digits->get());
    if (!b) return;
    Gdiplus::GpMatrix* raw = nullptr;
    if (gp::GdipCreateMatrix2(1, 0, 0, 1, c.x - (b->X + b->Width / 2), c.y - (b->Y + b->Height / 2), &raw) != Ok ||
        !raw) {
        return;
    }
    const GdipMatrix centre(raw);
    gp::GdipTransformPath(digits->get(), raw);
    if (std::optional<GdipBrush> fill = solid(number_digit_color(a.color))) gp::GdipFillPath(g, fill->get(), digits->get());
}

void draw_shape(Gdiplus::GpGraphics* g, const Annotation& a) {
    switch (a.kind) {
    case Tool::Rectangle:
    case Tool::Ellipse: return draw_box_shape(g, a);
    case Tool::Arrow: return draw_arrow(g, a);
    case Tool::Line:
    case Tool::Pen: return stroke_path(g, a, a.color, a.width);
    case Tool::Highlighter: return draw_highlighter(g, a);
    case Tool::Text: return draw_text(g, a);
    case Tool::Number: return draw_number(g, a);
    default: return;
    }
}

void draw_mosaic(Gdiplus::GpGraphics* g, const Annotation& a, Gdiplus::GpBrush* texture) {
    if (a.boxed) return fill_box(g, texture, corner_box(a));
    if (a.points.size() == 1) return fill_dot(g, texture, a.points[0], a.width);
    Gdiplus::GpPen* raw = nullptr;
    if (gp::GdipCreatePen2(texture, mosaic_pen_width(a.width), Gdiplus::UnitWorld, &raw) != Ok || !raw) return;
    const GdipPen p(raw);
    round_ends(raw);
    const std::vector<Gdiplus::PointF> pts = gdip_points(a.points);
    gp::GdipDrawLines(g, raw, pts.data(), static_cast<INT>(pts.size()));
}

void dim_around_spotlights(Gdiplus::GpGraphics* g, const std::vector<const Annotation*>& spotlights, const Rect& area) {
    if (spotlights.empty() || area.empty()) return;
    const Gdiplus::RectF whole(static_cast<float>(area.l), static_cast<float>(area.t), static_cast<float>(area.width()),
                               static_cast<float>(area.height()));
    Gdiplus::GpRegion* raw = nullptr;
    if (gp::GdipCreateRegionRect(&whole, &raw) != Ok || !raw) return;
    const GdipRegion region(raw);
    for (const BoxF& hole : spotlight_holes(spotlights)) {
        const Gdiplus::RectF r(hole.l, hole.t, hole.r - hole.l, hole.b - hole.t);
        gp::GdipCombineRegionRect(raw, &r, Gdiplus::CombineModeExclude);
    }
    if (std::optional<GdipBrush> dim = solid(SPOTLIGHT_DIM)) gp::GdipFillRegion(g, dim->get(), raw);
}
}  // namespace

bool render_annotations(Gdiplus::GpGraphics* graphics, const std::vector<Annotation>& annotations,
                        const Annotation* extra, const DibBitmap& source, MosaicCache& cache) {
    if (!graphics) return false;
    ensure_gdiplus_started();
    const RenderPlan plan = plan_render(annotations, extra);
    for (const Annotation* a : plan.shapes) draw_shape(graphics, *a);

    MosaicCacheUse use(cache);
    std::optional<GdipBrush> textures[2];
    bool tried[2] = {false, false};
    // A Mosaic left undrawn over the source would show what it hides.
    const bool meets_source = !intersect(cache.area(), Rect{0, 0, source.width, source.height}).empty();
    bool complete = true;
    for (const Annotation* a : plan.mosaics) {
        const int slot = a->blur ? 1 : 0;
        if (!tried[slot]) {
            textures[slot] = use.texture(source, a->blur);
            tried[slot] = true;
        }
        if (textures[slot]) draw_mosaic(graphics, *a, textures[slot]->get());
        else if (meets_source) complete = false;
    }
    dim_around_spotlights(graphics, plan.spotlights, cache.area());
    return complete;
}

bool draw_annotations(HDC dc, const std::optional<Rect>& clip, float origin_x, float origin_y,
                      const std::vector<Annotation>& annotations, const Annotation* extra, const DibBitmap& source,
                      MosaicCache& cache) {
    std::optional<GdipGraphics> graphics = gdip_graphics_from_hdc(dc);
    if (!graphics) return false;
    if (clip) {
        gp::GdipSetClipRectI(graphics->get(), clip->l, clip->t, clip->width(), clip->height(),
                             Gdiplus::CombineModeIntersect);
    }
    if (origin_x != 0 || origin_y != 0) {
        gp::GdipTranslateWorldTransform(graphics->get(), -origin_x, -origin_y, Gdiplus::MatrixOrderPrepend);
    }
    return render_annotations(graphics->get(), annotations, extra, source, cache);
}
