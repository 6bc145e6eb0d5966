#include "toolbar/toolbar_draw_win.h"

#include <vector>

#include "gdip/gdip_win.h"
#include "strings/ui_strings.h"
#include "toolbar/glyphs.h"
#include "toolbar/toolbar_sprites_win.h"
#include "win/draw.h"
#include "win/handles.h"

namespace gp = Gdiplus::DllExports;

namespace {

Gdiplus::ARGB argb(uint32_t rgb, uint8_t alpha = 0xFF) { return (Gdiplus::ARGB{alpha} << 24) | (rgb & 0xFFFFFF); }

GdipPen make_pen(Gdiplus::ARGB colour, float width, bool flat_caps) {
    Gdiplus::GpPen* raw = nullptr;
    gp::GdipCreatePen1(colour, width, Gdiplus::UnitPixel, &raw);
    GdipPen pen(raw);
    if (pen) {
        const Gdiplus::LineCap cap = flat_caps ? Gdiplus::LineCapFlat : Gdiplus::LineCapRound;
        gp::GdipSetPenStartCap(pen.get(), cap);
        gp::GdipSetPenEndCap(pen.get(), cap);
        gp::GdipSetPenDashCap197819(pen.get(), Gdiplus::DashCapFlat);
        gp::GdipSetPenLineJoin(pen.get(), Gdiplus::LineJoinRound);
    }
    return pen;
}

GdipBrush make_brush(Gdiplus::ARGB colour) {
    Gdiplus::GpSolidFill* raw = nullptr;
    gp::GdipCreateSolidFill(colour, &raw);
    return GdipBrush(raw);
}

void draw_rounded(HDC dc, const RoundedFill& f) { draw_rounded_rect(dc, f.rect, f.radius, f.fill, f.outline); }

}  // namespace

void draw_rounded_rect(HDC dc, const Rect& rect, int32_t radius, uint32_t fill, uint32_t outline) {
    SetDCPenColor(dc, colorref(outline));
    SetDCBrushColor(dc, colorref(fill));
    const SelectGuard pen(dc, GetStockObject(DC_PEN));
    const SelectGuard brush(dc, GetStockObject(DC_BRUSH));
    RoundRect(dc, rect.l, rect.t, rect.r, rect.b, 2 * radius, 2 * radius);
}

void draw_glyph(Gdiplus::GpGraphics* g, ToolbarItem item, bool pin_edit, const Rect& button, uint32_t rgb) {
    const float u = static_cast<float>(button.width()) / 32.0f;
    const float left = static_cast<float>(button.l), top = static_cast<float>(button.t);
    auto px = [&](float x) { return left + x * u; };
    auto py = [&](float y) { return top + y * u; };
    for (const GlyphPrim& p : glyph_primitives(item, pin_edit)) {
        const Gdiplus::ARGB colour = argb(p.rgb.value_or(rgb), p.alpha);
        std::vector<Gdiplus::PointF> pts;
        for (const GridPoint& q : p.points) pts.push_back({px(q.x), py(q.y)});
        const auto count = static_cast<INT>(pts.size());
        const float x = px(p.x), y = py(p.y), w = p.w * u, h = p.h * u;
        if (p.filled) {
            const GdipBrush brush = make_brush(colour);
            if (!brush) continue;
            switch (p.shape) {
            case GlyphShape::Polygon: gp::GdipFillPolygon(g, brush.get(), pts.data(), count, Gdiplus::FillModeWinding); break;
            case GlyphShape::Rect: gp::GdipFillRectangle(g, brush.get(), x, y, w, h); break;
            case GlyphShape::Ellipse: gp::GdipFillEllipse(g, brush.get(), x, y, w, h); break;
            default: break;
            }
            continue;
        }
        const GdipPen pen = make_pen(colour, glyph_pen_width(p.pen, u), p.flat_caps);
        if (!pen) continue;
        switch (p.shape) {
        case GlyphShape::Line:
        case GlyphShape::Polyline: gp::GdipDrawLines(g, pen.get(), pts.data(), count); break;
        case GlyphShape::Polygon: gp::GdipDrawPolygon(g, pen.get(), pts.data(), count); break;
        case GlyphShape::Rect: gp::GdipDrawRectangle(g, pen.get(), x, y, w, h); break;
        case GlyphShape::Ellipse: gp::GdipDrawEllipse(g, pen.get(), x, y, w, h); break;
        case GlyphShape::Arc: gp::GdipDrawArc(g, pen.get(), x, y, w, h, p.start, p.sweep); break;
        }
    }
}

void draw_cell_mark(Gdiplus::GpGraphics* g, const CellMark& m, float cx, float cy) {
    const float d = m.diameter, x = cx - d / 2.0f, y = cy - d / 2.0f;
    switch (m.kind) {
    case MarkKind::Dot:
        if (const GdipBrush brush = make_brush(m.argb)) gp::GdipFillEllipse(g, brush.get(), x, y, d, d);
        break;
    case MarkKind::Ring:
        if (const GdipPen pen = make_pen(m.argb, m.pen, false)) gp::GdipDrawEllipse(g, pen.get(), x, y, d, d);
        break;
    case MarkKind::Wheel:
        for (const WheelSlice& slice : WHEEL_SLICES) {
            Gdiplus::GpPath* raw = nullptr;
            gp::GdipCreatePath(Gdiplus::FillModeWinding, &raw);
            const GdipPath path(raw);
            const GdipBrush brush = make_brush(slice.argb);
            if (!path || !brush) continue;
            gp::GdipAddPathPie(path.get(), x, y, d, d, slice.start, 90.0f);
            gp::GdipFillPath(g, brush.get(), path.get());
        }
        break;
    }
}

bool draw_toolbar(HDC dc, const ToolbarLayout& layout, const ToolbarPaintState& state, HFONT font) {
    const ToolbarPaint plan = toolbar_paint_plan(layout, state);
    for (const RoundedFill& f : plan.frames) draw_rounded(dc, f);
    SetDCBrushColor(dc, colorref(TOOLBAR_SEPARATOR));
    const auto dc_brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    for (const Rect& s : plan.separators) {
        const RECT r{s.l, s.t, s.r, s.b};
        FillRect(dc, &r, dc_brush);
    }
    for (const RoundedFill& f : plan.backgrounds) draw_rounded(dc, f);
    for (const CellLabel& l : plan.labels)
        draw_text(dc, font, ui_text(l.text), RECT{l.rect.l, l.rect.t, l.rect.r, l.rect.b}, colorref(l.rgb), DT_CENTER);

    bool ok = true;
    for (const GlyphDraw& d : plan.glyphs) ok = blend_glyph(dc, d.item, layout.pin_edit, d.button, d.rgb) && ok;
    for (const CellMark& m : plan.marks) ok = blend_mark(dc, m) && ok;
    return ok;
}
