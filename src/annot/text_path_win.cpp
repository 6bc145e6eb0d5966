// Text outlines as GDI+ paths, and the bounds that hit tests and the selection frame use.
#include <cmath>
#include <string>

#include "annot/geometry.h"
#include "annot/render_rules.h"
#include "annot/render_win.h"
#include "annot/text_path_win.h"
#include "util/log.h"

namespace gp = Gdiplus::DllExports;

const Gdiplus::GpFontFamily* annotation_font_family() {
    // Looked up once: the UI language, and with it the face, is fixed for the process.
    static const std::optional<GdipFontFamily> family = gdip_font_family();
    return family ? family->get() : nullptr;
}

std::optional<GdipPath> outline_path(std::string_view text, float em_size, float x, float y) {
    const Gdiplus::GpFontFamily* family = annotation_font_family();
    if (!family || text.empty() || !std::isfinite(em_size) || em_size <= 0) return std::nullopt;
    Gdiplus::GpPath* raw = nullptr;
    if (gp::GdipCreatePath(Gdiplus::FillModeWinding, &raw) != Gdiplus::Ok || !raw) return std::nullopt;
    GdipPath path(raw);
    gdip_add_path_string(raw, text, family, em_size, x, y);
    INT count = 0;
    if (gp::GdipGetPointCount(raw, &count) != Gdiplus::Ok || count <= 0) return std::nullopt;
    return path;
}

std::optional<Gdiplus::RectF> path_bounds(Gdiplus::GpPath* path) {
    Gdiplus::RectF bounds;
    const Gdiplus::GpStatus status = gp::GdipGetPathWorldBounds(path, &bounds, nullptr, nullptr);
    if (status != Gdiplus::Ok) {
        debug_log("GdipGetPathWorldBounds failed: status " + std::to_string(status));
        return std::nullopt;
    }
    return bounds;
}

std::optional<GdipPath> text_outline_path(const Annotation& a) {
    if (a.points.empty()) return std::nullopt;
    return outline_path(a.text, a.width, a.points[0].x, a.points[0].y);
}

std::optional<Rect> text_outline_bounds(const Annotation& a) {
    if (a.kind != Tool::Text) return std::nullopt;
    const std::optional<GdipPath> path = text_outline_path(a);
    if (!path) return std::nullopt;
    const std::optional<Gdiplus::RectF> b = path_bounds(path->get());
    if (!b) return std::nullopt;
    return outward_rect(grow_text_bounds({b->X, b->Y, b->X + b->Width, b->Y + b->Height}, a.width));
}

Rect measure_text_path(const Annotation& a) { return annotation_bounds(a, &text_outline_bounds); }
