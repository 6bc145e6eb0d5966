#include "capture/overlay_paint_win.h"

#include <algorithm>
#include <optional>
#include <string>

#include "capture/magnifier.h"
#include "capture/overlay_draw_win.h"
#include "capture/overlay_editor_win.h"
#include "capture/session_win.h"
#include "gdip/gdip_win.h"
#include "image/bitmap_ops_win.h"
#include "strings/ui_strings.h"
#include "toolbar/toolbar_draw_win.h"
#include "util/log.h"
#include "util/rect_ops.h"
#include "util/scaled.h"
#include "win/draw.h"
#include "win/handles.h"

UiCell<ColorFormat> COLOR_FORMAT{ColorFormat::Hex};

namespace {

// Painting steps, one bit each, so a failing step is logged once per session.
enum PaintStep : uint32_t {
    STEP_BACKGROUND = 1u << 0,
    STEP_SELECTION = 1u << 1,
    STEP_EDITOR_MARKS = 1u << 2,
    STEP_FRAME = 1u << 3,
    STEP_TOOLBAR = 1u << 4,
    STEP_MAGNIFIER = 1u << 5,
    STEP_COPY = 1u << 6,
};

// The width of the readout's colour and hint part for one font, scale and format.
struct ReadoutWidth {
    HFONT font;
    float scale;
    ColorFormat format;
    int32_t width;
};
UiCell<std::optional<ReadoutWidth>> READOUT_WIDTH;

void note_failure(OverlayState& s, uint32_t step, const char* what) {
    if (s.paint.failures_logged & step) return;
    s.paint.failures_logged |= step;
    debug_log(std::string("overlay paint: ") + what + " failed; left undrawn");
}

// Text is measured in a DC of its own, so layout works without a back buffer. Made once, and
// used by the UI thread only, as all painting.
HDC measure_dc() {
    static const MemoryDc dc(CreateCompatibleDC(nullptr));
    return dc.get();
}

MeasureText measure_in(HFONT font) {
    return [font](std::string_view text) {
        const SIZE s = text_extent(measure_dc(), font, text);
        return TextSize{s.cx, s.cy};
    };
}

bool confirmed(const OverlayState& s) { return s.selection.rect && !s.selection.rect->empty(); }

Rect overlay_bounds(const OverlayState& s) { return {0, 0, std::max(s.width(), 0), std::max(s.height(), 0)}; }

// The work area of the monitor at the centre of the bounds, in overlay coordinates.
std::optional<Rect> work_area_at(const OverlayState& s, const Rect& bounds) {
    const POINT centre{saturate_i32((int64_t{bounds.l} + bounds.r) / 2 + s.origin_x()),
                       saturate_i32((int64_t{bounds.t} + bounds.b) / 2 + s.origin_y())};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST), &info)) return std::nullopt;
    const RECT& w = info.rcWork;
    return to_overlay(s.selection.auto_select, Rect{w.left, w.top, w.right, w.bottom});
}

ToolbarPaintState toolbar_paint_state(const OverlayState& s) {
    ToolbarPaintState p;
    p.hover = s.selection.toolbar_hover;
    p.press = s.selection.mouse_state == MouseState::ToolbarPress ? s.selection.toolbar_press : TOOLBAR_OUTSIDE;
    p.editor = toolbar_editor_view(s);
    return p;
}

// What one paint or layout shows, worked out once.
struct Scene {
    std::optional<Rect> selection;
    std::optional<Rect> label;
    std::string label_text;
    std::optional<ToolbarLayout> toolbar;
    std::optional<ToolbarTooltip> tooltip;
    EditorMarks marks;
    bool magnifier = false;
};

Scene make_scene(const OverlayState& s) {
    const OverlaySelection& sel = s.selection;
    Scene scene;
    scene.selection = layout_selection_rect(sel.rect, sel.mouse_state, sel.drag_moved, sel.drag_x, sel.drag_y,
                                            sel.cursor_x, sel.cursor_y, sel.hovered, s.width(), s.height());
    if (scene.selection && scene.selection->empty()) scene.selection.reset();
    if (scene.selection) {
        scene.label_text = size_label_text(s, *scene.selection);
        scene.toolbar = place_toolbar(s);
        scene.label = size_label_place(s, *scene.selection, scene.toolbar);
        if (scene.toolbar) scene.tooltip = toolbar_tooltip(s, *scene.toolbar);
    }
    scene.marks = editor_marks(s);
    scene.magnifier = magnifier_shown(sel.mouse_state, confirmed(s));
    return scene;
}

OverlayLayout layout_of(const OverlayState& s, const Scene& scene) {
    LayoutParts parts;
    parts.selection = scene.selection;
    parts.size_label = scene.label;
    if (scene.toolbar) parts.toolbar = scene.toolbar->block();
    if (scene.tooltip) parts.tooltip = scene.tooltip->rect;
    parts.annotation_bounds = scene.marks.selected_bounds;
    if (const auto& box = scene.marks.text_box)
        parts.text_box = Rect{saturate_i32(static_cast<int64_t>(box->x)), saturate_i32(static_cast<int64_t>(box->y)),
                              saturate_i32(static_cast<int64_t>(box->x) + box->width),
                              saturate_i32(static_cast<int64_t>(box->y) + box->height)};
    if (scene.magnifier) parts.magnifier = magnifier_place(s);
    return overlay_layout(parts, s.scale);
}

Region region_from(const std::vector<Rect>& rects) {
    Region region(CreateRectRgn(0, 0, 0, 0));
    if (!region) return region;
    for (const Rect& r : rects) {
        const Region piece(CreateRectRgn(r.l, r.t, r.r, r.b));
        if (piece) CombineRgn(region.get(), region.get(), piece.get(), RGN_OR);
    }
    return region;
}

bool blit(HDC dc, const Rect& r, HDC source) {
    return r.empty() || BitBlt(dc, r.l, r.t, r.width(), r.height(), source, r.l, r.t, SRCCOPY);
}

void paint_editor_marks(OverlayState& s, HDC dc, const Rect& selection, const EditorMarks& marks) {
    if (!marks.selected_bounds && !marks.text_box) return;
    const std::optional<GdipGraphics> g = gdip_graphics_from_hdc(dc);
    if (!g) return note_failure(s, STEP_EDITOR_MARKS, "GDI+ graphics for the annotation handles");
    Gdiplus::DllExports::GdipSetClipRectI(g->get(), selection.l, selection.t, selection.width(), selection.height(),
                                          Gdiplus::CombineModeIntersect);
    bool ok = true;
    if (marks.selected_bounds) ok = draw_annotation_selection(g->get(), *marks.selected_bounds, marks.handles, s.scale);
    if (const auto& box = marks.text_box) {
        // The text box grows past the selection as it is typed into: its frame follows it there.
        Gdiplus::DllExports::GdipResetClip(g->get());
        ok = draw_text_box_frame(g->get(), box->x, box->y, box->width, box->height, s.scale) && ok;
    }
    if (!ok) note_failure(s, STEP_EDITOR_MARKS, "annotation handles");
}

std::string cursor_coordinates(const OverlayState& s) {
    return cursor_text(int64_t{s.selection.cursor_x} + s.origin_x(), int64_t{s.selection.cursor_y} + s.origin_y());
}

// The readout's text width; the colour and hint part, which changes only with the format, is
// measured once per font, scale and format.
int32_t magnifier_text_width(const OverlayState& s, const std::string& coords) {
    const ColorFormat format = COLOR_FORMAT.get();
    const MeasureText measure = measure_in(s.font);
    auto cache = READOUT_WIDTH.borrow();
    if (!*cache || (*cache)->font != s.font || (*cache)->scale != s.scale || (*cache)->format != format)
        *cache = ReadoutWidth{s.font, s.scale, format, readout_text_width("", ui_text(MAGNIFIER_HINT), format, s.scale, measure)};
    return std::max((*cache)->width, measure(coords).cx);
}

void paint_magnifier(OverlayState& s, HDC dc) {
    const OverlaySelection& sel = s.selection;
    const Rect monitor = nearest_monitor(s, sel.cursor_x, sel.cursor_y);
    const std::optional<DibBitmap>& frozen = s.images.frozen;
    const std::string coords = cursor_coordinates(s);
    const MagnifierGeometry g =
        magnifier_geometry(sel.cursor_x, sel.cursor_y, monitor, s.scale, frozen ? frozen->width : 0,
                           frozen ? frozen->height : 0, magnifier_text_width(s, coords));
    GdiFlush();
    const uint32_t colour = frozen ? bitmap_pixel(*frozen, sel.cursor_x, sel.cursor_y).value_or(0) : 0;
    const std::string text = color_to_text(colour);
    MagnifierContent content;
    content.frozen = frozen ? frozen->hdc() : nullptr;
    content.highlight = s.images.highlight ? s.images.highlight->hdc() : nullptr;
    content.colour = colour;
    content.coordinates = coords;
    content.colour_text = text;
    content.hint = ui_text(MAGNIFIER_HINT);
    if (!draw_magnifier(dc, g, content, s.font)) note_failure(s, STEP_MAGNIFIER, "magnifier");
}

}  // namespace

std::optional<ToolbarLayout> place_toolbar(const OverlayState& s) {
    const MouseState m = s.selection.mouse_state;
    if (!confirmed(s) || !(m == MouseState::Idle || m == MouseState::ToolbarPress || m == MouseState::EditorDrag))
        return std::nullopt;
    const Rect& sel = *s.selection.rect;
    const Rect monitor = toolbar_monitor(s.selection.auto_select.monitors, sel,
                                         nearest_monitor(s, saturate_i32(int64_t{sel.r} - 1), saturate_i32(int64_t{sel.b} - 1)));
    const Rect bounds = toolbar_bounds(monitor, work_area_at(s, monitor));
    const EditorMarks marks = editor_marks(s);
    const std::optional<Tool> tool = option_tool(marks.text_box.has_value(), s.editor.tool, marks.selected_kind);
    return layout_toolbar(sel, bounds, s.scale, s.pin_edit.has_value(), tool, measure_in(s.font));
}

ToolbarHit toolbar_hit_test(const OverlayState& s, int32_t x, int32_t y) { return toolbar_hit_test(place_toolbar(s), x, y); }

std::optional<ToolbarTooltip> toolbar_tooltip(const OverlayState& s, const ToolbarLayout& layout) {
    const Rect bounds = nearest_monitor(s, layout.toolbar.l, layout.toolbar.t);
    return toolbar_tooltip(layout, s.selection.toolbar_hover, s.selection.mouse_state, bounds, measure_in(s.font));
}

std::string size_label_text(const OverlayState& s, const Rect& rect) {
    return size_label_text(rect, !confirmed(s) && s.selection.auto_select.detect == CaptureDetect::Element);
}

Rect size_label_place(const OverlayState& s, const Rect& rect, const std::optional<ToolbarLayout>& toolbar) {
    const SIZE text = text_extent(measure_dc(), s.font, size_label_text(s, rect));
    const std::optional<Rect> block = toolbar ? std::optional<Rect>(toolbar->block()) : std::nullopt;
    return size_label_place(rect, TextSize{text.cx, text.cy}, nearest_monitor(s, rect.l, rect.t), s.scale, block);
}

Rect magnifier_place(const OverlayState& s) {
    const int32_t x = s.selection.cursor_x, y = s.selection.cursor_y;
    return magnifier_place(x, y, nearest_monitor(s, x, y), s.scale, magnifier_text_width(s, cursor_coordinates(s)));
}

std::string color_to_text(uint32_t rgb) { return color_to_text(rgb, COLOR_FORMAT.get()); }

void cycle_color_format(OverlayState& s) {
    const ColorFormat now = COLOR_FORMAT.get();
    const ColorFormat next = color_format_after_shift(now, s.selection.mouse_state, confirmed(s));
    if (next == now) return;
    COLOR_FORMAT.set(next);
    overlay_invalidate_changes(s);
}

OverlayLayout overlay_layout(const OverlayState& s) { return layout_of(s, make_scene(s)); }

void overlay_invalidate_changes(OverlayState& s) {
    OverlayLayout next = overlay_layout(s);
    const Region region = region_from(layout_changes(s.paint.layout, next, take_editor_dirty_rects(s)));
    if (region) InvalidateRgn(s.window, region.get(), FALSE);
    s.paint.layout = std::move(next);
}

bool overlay_paintable(const OverlayImages& images) {
    return images.frozen && images.dimmed && images.back_buffer && images.frozen->width == images.back_buffer->width &&
           images.frozen->height == images.back_buffer->height;
}

bool paint_session(HDC target, OverlayState& s, HRGN region) {
    if (!overlay_paintable(s.images)) {
        note_failure(s, STEP_BACKGROUND, "screen images missing: nothing");
        return false;
    }
    Rect box = overlay_bounds(s);
    if (region) {
        RECT r{};
        if (GetRgnBox(region, &r) == NULLREGION) return true;
        box = intersect(box, Rect{r.left, r.top, r.right, r.bottom});
    }
    if (box.empty()) return true;
    const HDC bb = s.images.back_buffer->hdc();
    const Scene scene = make_scene(s);
    SelectClipRgn(bb, region);

    // The selection shows the frozen screen: the dimmed one is copied only around it.
    const Rect undimmed = scene.selection && s.images.frozen ? intersect(*scene.selection, box) : Rect{};
    bool dimmed_ok = s.images.dimmed.has_value();
    for (const Rect& part : subtract(box, undimmed))
        dimmed_ok = dimmed_ok && blit(bb, part, s.images.dimmed->hdc());
    if (!dimmed_ok) note_failure(s, STEP_BACKGROUND, "dimmed screen");
    if (scene.selection) {
        const Rect& sel = *scene.selection;
        if (!paint_selection_content(bb, s, sel, box)) note_failure(s, STEP_SELECTION, "selection and annotations");
        paint_editor_marks(s, bb, sel, scene.marks);
        const bool handles = confirmed(s) && s.editor.tool == Tool::None;
        if (!draw_selection_frame(bb, sel, s.scale, handles)) note_failure(s, STEP_FRAME, "selection frame");
    }
    if (scene.label) draw_label_box(bb, *scene.label, scaled_round(3, s.scale), scene.label_text, s.font);
    if (scene.toolbar) {
        if (!draw_toolbar(bb, *scene.toolbar, toolbar_paint_state(s), s.font))
            note_failure(s, STEP_TOOLBAR, "GDI+ graphics for the toolbar glyphs");
        if (scene.tooltip) draw_label_box(bb, scene.tooltip->rect, scaled_trunc(4, s.scale), scene.tooltip->text, s.font);
    }
    if (scene.magnifier) paint_magnifier(s, bb);
    SelectClipRgn(bb, nullptr);

    SelectClipRgn(target, region);
    const bool copied = blit(target, box, bb);
    if (!copied) note_failure(s, STEP_COPY, "copy to the window");
    SelectClipRgn(target, nullptr);
    return copied;
}

void paint_overlay(HWND window) {
    // BeginPaint validates the update region: read it first.
    Region update(CreateRectRgn(0, 0, 0, 0));
    const int kind = update ? GetUpdateRgn(window, update.get(), FALSE) : ERROR;
    const PaintDc paint(window);
    if (!paint) return;
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell || (**cell)->window != window) return;
    HRGN clip = update.get();
    Region painted;
    if (kind == ERROR || kind == NULLREGION) {
        const RECT& r = paint.area();
        painted.reset(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        clip = painted.get();
    }
    if (clip) paint_session(paint.get(), ***cell, clip);
}
