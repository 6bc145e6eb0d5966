#include "capture/overlay_editor_win.h"

#include <utility>

#include "annot/geometry.h"
#include "annot/render_win.h"
#include "capture/annotation_layer.h"

ToolbarEditorView toolbar_editor_view(const OverlayState& state) {
    const Editor& e = state.editor;
    ToolbarEditorView v;
    v.tool = e.tool;
    v.undo_empty = e.undo_stack.empty();
    v.redo_empty = e.redo_stack.empty();
    v.size_steps = e.tools.size_steps;
    v.color = e.tools.colour;
    v.fill = e.tools.fill;
    v.highlighter_box = e.tools.highlighter_box;
    v.mosaic_box = e.tools.mosaic_box;
    v.blur = e.tools.mosaic_blur;
    v.outline = e.tools.text_outline;
    return v;
}

EditorMarks editor_marks(const OverlayState& state) {
    const Editor& e = state.editor;
    EditorMarks marks;
    if (const Annotation* a = selected_annotation(e)) {
        marks.selected_bounds = measure_text_path(*a);
        for (const AnnotationPoint& p : annot_handle_points(*a)) marks.handles.push_back({p.x, p.y});
        marks.selected_kind = a->kind;
    }
    if (e.text_box) marks.text_box = TextBoxFrame{e.text_box->x, e.text_box->y, e.text_box->area.width(), e.text_box->area.height()};
    return marks;
}

std::vector<Rect> take_editor_dirty_rects(OverlayState& state) { return std::exchange(state.editor.dirty_rects, {}); }

namespace {

bool blit(HDC dc, const Rect& r, HDC source, int32_t source_x, int32_t source_y) {
    return r.empty() || BitBlt(dc, r.l, r.t, r.width(), r.height(), source, source_x, source_y, SRCCOPY);
}

// The layer for the confirmed selection and the current list; false when it cannot be made.
bool update_layer(OverlayState& state, const Rect& selection) {
    AnnotationLayer& layer = state.paint.layer;
    const std::vector<Annotation>& list = state.editor.annotations;
    if (layer.pixels && layer.area == selection && layer.drawn == list) return true;
    if (!layer.pixels || layer.pixels->width != selection.width() || layer.pixels->height != selection.height())
        layer.pixels = DibBitmap::create(selection.width(), selection.height());
    layer.drawn.clear();
    if (!layer.pixels) return false;
    const HDC dc = layer.pixels->hdc();
    const Rect whole{0, 0, selection.width(), selection.height()};
    if (!blit(dc, whole, state.images.frozen->hdc(), selection.l, selection.t) ||
        !draw_annotations(dc, whole, static_cast<float>(selection.l), static_cast<float>(selection.t), list, nullptr,
                          *state.images.frozen, *state.images.mosaic)) {
        layer.pixels.reset();
        return false;
    }
    layer.area = selection;
    layer.drawn = list;
    return true;
}

}  // namespace

const DibBitmap* annotated_selection(OverlayState& state) {
    if (!state.images.frozen || !state.selection.rect) return nullptr;
    sync_mosaic_cache(state.images.mosaic, state.selection.rect);
    if (!state.images.mosaic || !update_layer(state, *state.selection.rect)) return nullptr;
    return &*state.paint.layer.pixels;
}

bool paint_selection_content(HDC dc, OverlayState& state, const Rect& selection, const Rect& box) {
    if (!state.images.frozen) return false;
    const HDC frozen = state.images.frozen->hdc();
    const Rect part = intersect(selection, box);
    sync_mosaic_cache(state.images.mosaic, state.selection.rect);
    const Editor& e = state.editor;
    // Annotations exist only on a confirmed selection, which the cache follows.
    const bool annotated = state.images.mosaic && state.selection.rect == selection && !e.annotations.empty();
    if (!annotated) state.paint.layer = {};
    const bool over_layer = !e.in_progress || drawn_over_list(e.annotations, *e.in_progress);
    if (annotated && over_layer && update_layer(state, selection)) {
        if (!blit(dc, part, state.paint.layer.pixels->hdc(), part.l - selection.l, part.t - selection.t)) return false;
        if (!e.in_progress || part.empty()) return true;
        return draw_annotations(dc, part, 0, 0, {}, &*e.in_progress, *state.images.frozen, *state.images.mosaic);
    }
    if (!blit(dc, part, frozen, part.l, part.t)) return false;
    if (!state.images.mosaic || part.empty() || (e.annotations.empty() && !e.in_progress)) return true;
    const Annotation* extra = e.in_progress ? &*e.in_progress : nullptr;
    // Clipped to the part being painted: GDI+ works through the whole clip of each shape.
    return draw_annotations(dc, part, 0, 0, e.annotations, extra, *state.images.frozen, *state.images.mosaic);
}
