#include "capture/overlay_draw_win.h"

#include <algorithm>
#include <cmath>

#include "capture/selection_frame.h"
#include "gdip/gdip_win.h"
#include "toolbar/toolbar_draw_win.h"
#include "toolbar/toolbar_paint.h"
#include "util/rect_ops.h"
#include "util/scaled.h"
#include "win/draw.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t SWATCH_BORDER = 0xC8C8C8;
constexpr uint32_t HINT_TEXT = 0xA0A4AC;

bool fill(HDC dc, const Rect& r, uint32_t rgb) {
    if (r.empty()) return true;
    SetDCBrushColor(dc, colorref(rgb));
    const RECT rc{r.l, r.t, r.r, r.b};
    return FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH))) != 0;
}

// The accent pen of the editor's marks: width max(scale, 1).
GdipPen accent_pen(float scale, Gdiplus::LineCap cap, bool dashed) {
    Gdiplus::GpPen* raw = nullptr;
    gp::GdipCreatePen1(0xFF000000u | ACCENT, std::max(scale, 1.0f), Gdiplus::UnitPixel, &raw);
    GdipPen pen(raw);
    if (!pen) return pen;
    gp::GdipSetPenStartCap(pen.get(), cap);
    gp::GdipSetPenEndCap(pen.get(), cap);
    gp::GdipSetPenLineJoin(pen.get(), Gdiplus::LineJoinRound);
    if (dashed) gp::GdipSetPenDashStyle(pen.get(), Gdiplus::DashStyleDash);
    return pen;
}

}  // namespace

bool draw_selection_frame(HDC dc, const Rect& sel, float scale, bool handles) {
    bool ok = true;
    for (const Rect& band : subtract(frame_line_rect(sel, scale), sel)) ok = fill(dc, band, ACCENT) && ok;
    if (!handles) return ok;
    for (const HandleSquare& h : handle_squares(sel, scale)) {
        ok = fill(dc, h.outer, ACCENT) && ok;
        ok = fill(dc, h.inner, WHITE) && ok;
    }
    return ok;
}

void draw_label_box(HDC dc, const Rect& rect, int32_t radius, std::string_view text, HFONT font) {
    draw_rounded_rect(dc, rect, radius, LABEL_BACKGROUND, LABEL_BACKGROUND);
    draw_text(dc, font, text, to_rect(rect), colorref(WHITE), DT_CENTER);
}

bool draw_magnifier(HDC dc, const MagnifierGeometry& g, const MagnifierContent& c, HFONT font) {
    bool ok = fill(dc, g.lens, 0x000000);
    if (c.frozen && !g.source.empty()) {
        SetStretchBltMode(dc, COLORONCOLOR);
        ok = StretchBlt(dc, g.target.l, g.target.t, g.target.width(), g.target.height(), c.frozen, g.source.l,
                        g.source.t, g.source.width(), g.source.height(), SRCCOPY) &&
             ok;
    }
    if (c.highlight) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 80, 0};
        for (const Rect& r : g.crosshair)
            ok = AlphaBlend(dc, r.l, r.t, r.width(), r.height(), c.highlight, 0, 0, 1, 1, blend) && ok;
    }
    fill_rect_color(dc, g.centre, 1, colorref(0x000000));
    fill_rect_color(dc, grow(g.centre, -1), 1, colorref(WHITE));
    fill_rect_color(dc, g.lens, 1, colorref(WHITE));

    ok = fill(dc, g.readout, LABEL_BACKGROUND) && ok;
    draw_text(dc, font, c.coordinates, to_rect(g.lines[0]), colorref(WHITE), DT_LEFT);
    ok = fill(dc, g.swatch, c.colour) && ok;
    fill_rect_color(dc, g.swatch, 1, colorref(SWATCH_BORDER));
    draw_text(dc, font, c.colour_text, to_rect(g.colour_text), colorref(WHITE), DT_LEFT);
    draw_text(dc, font, c.hint, to_rect(g.lines[2]), colorref(HINT_TEXT), DT_LEFT);
    return ok;
}

bool draw_annotation_selection(Gdiplus::GpGraphics* g, const Rect& bounds, const std::vector<FloatPoint>& handles,
                               float scale) {
    const GdipPen dashed = accent_pen(scale, Gdiplus::LineCapFlat, true);
    const GdipPen solid = accent_pen(scale, Gdiplus::LineCapRound, false);
    Gdiplus::GpSolidFill* raw = nullptr;
    gp::GdipCreateSolidFill(0xFFFFFFFF, &raw);
    const GdipBrush white(raw);
    if (!dashed || !solid || !white) return false;
    bool ok = gp::GdipDrawRectangleI(g, dashed.get(), bounds.l, bounds.t, bounds.width(), bounds.height()) == Gdiplus::Ok;
    const auto side = static_cast<float>(scaled_round(7, scale));
    for (const FloatPoint& p : handles) {
        const float x = p.x - side / 2.0f, y = p.y - side / 2.0f;
        ok = gp::GdipFillRectangle(g, white.get(), x, y, side, side) == Gdiplus::Ok && ok;
        ok = gp::GdipDrawRectangle(g, solid.get(), x, y, side, side) == Gdiplus::Ok && ok;
    }
    return ok;
}

bool draw_text_box_frame(Gdiplus::GpGraphics* g, float x, float y, int32_t width, int32_t height, float scale) {
    const GdipPen dashed = accent_pen(scale, Gdiplus::LineCapFlat, true);
    if (!dashed) return false;
    const INT left = static_cast<INT>(std::trunc(x)) - 3, top = static_cast<INT>(std::trunc(y)) - 3;
    return gp::GdipDrawRectangleI(g, dashed.get(), left, top, width + 6, height + 6) == Gdiplus::Ok;
}
