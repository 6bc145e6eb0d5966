#include "editor/editor.h"

#include <algorithm>
#include <cmath>

#include "editor/editor_internal.h"
#include "editor/presets.h"
#include "util/rect_ops.h"

namespace {
void cap(std::deque<std::vector<Annotation>>& stack) {
    while (stack.size() > UNDO_DEPTH) stack.pop_front();
}

void repaint_selection(Editor& e, int32_t by) {
    if (!e.selection.empty()) e.dirty_rects.push_back(grow(e.selection, by));
}

int32_t rounded(float v) { return static_cast<int32_t>(std::lround(std::clamp(v, -1e6f, 1e6f))); }
}  // namespace

Editor make_editor(const ToolSettings& tools, float scale, Rect selection, TextBoundsFn text_bounds,
                   std::shared_ptr<TextBoxHost> text_host) {
    Editor e;
    e.tools = tools;
    e.scale = std::isfinite(scale) && scale > 0 ? scale : 1.0f;
    e.selection = selection;
    e.text_bounds = text_bounds;
    e.text_host = std::move(text_host);
    return e;
}

Annotation new_annotation(const Editor& e, Tool tool, float x, float y) {
    Annotation a;
    a.kind = static_cast<uint8_t>(tool) >= static_cast<uint8_t>(Tool::Eraser) ? Tool::Rectangle : tool;
    a.color = e.tools.colour;
    a.width = tool_width(e.scale, a.kind, e.tools.size_steps[static_cast<size_t>(a.kind)]);
    a.filled = (a.kind == Tool::Rectangle || a.kind == Tool::Ellipse) && e.tools.fill;
    a.boxed = (a.kind == Tool::Highlighter && e.tools.highlighter_box) || (a.kind == Tool::Mosaic && e.tools.mosaic_box);
    a.blur = e.tools.mosaic_blur;
    a.outline = e.tools.text_outline;
    if (is_freehand(a) || holds_one_point(a.kind)) a.points = {{x, y}};
    else a.points = {{x, y}, {x, y}};
    return a;
}

void repaint_annotation(Editor& e, const Annotation& a) {
    if (a.points.empty()) return;
    const int32_t frame = rounded(6 * e.scale) + 2;
    Rect r = unite(paint_bounds(a, e.text_bounds), grow(annotation_bounds(a, e.text_bounds), frame));
    // A Spotlight dims everything around it: a change to one changes the whole selection.
    if (a.kind == Tool::Spotlight) r = unite(r, e.selection);
    if (!r.empty()) e.dirty_rects.push_back(r);
}

const Annotation* selected_annotation(const Editor& e) {
    if (!e.selected || *e.selected >= e.annotations.size()) return nullptr;
    return &e.annotations[*e.selected];
}

void set_selection(Editor& e, std::optional<size_t> index) {
    if (const Annotation* old = selected_annotation(e)) repaint_annotation(e, *old);
    index = index && *index < e.annotations.size() ? index : std::nullopt;
    // A move or resize belongs to the annotation it pressed on.
    if (index != e.selected && (e.drag == EditorDrag::Moving || e.drag == EditorDrag::Resizing)) {
        e.drag = EditorDrag::None;
        e.drag_copy.reset();
        e.drag_snapshot.reset();
        e.drag_history.reset();
    }
    e.selected = index;
    if (const Annotation* now = selected_annotation(e)) repaint_annotation(e, *now);
}

void set_tool(Editor& e, Tool tool) {
    commit_open_edits(e);
    e.tool = tool;
    set_selection(e, std::nullopt);
}

void replace_annotation(Editor& e, size_t index, Annotation a) {
    if (index >= e.annotations.size()) return;
    repaint_annotation(e, e.annotations[index]);
    e.annotations[index] = std::move(a);
    repaint_annotation(e, e.annotations[index]);
}

void push_undo(Editor& e) { push_undo_entry(e, e.annotations); }

void push_undo_entry(Editor& e, std::vector<Annotation> list) {
    e.undo_stack.push_back(std::move(list));
    cap(e.undo_stack);
    e.redo_stack.clear();
    e.drag_history.reset();  // what a drag took is no longer the history's state before it
}

void take_drag_snapshot(Editor& e) {
    if (!e.drag_snapshot) return;
    Editor::DragHistory kept{std::move(e.redo_stack), std::nullopt, e.dirty};
    if (e.undo_stack.size() >= UNDO_DEPTH) {
        kept.dropped = std::move(e.undo_stack.front());
        e.undo_stack.pop_front();
    }
    push_undo_entry(e, std::move(*e.drag_snapshot));
    e.drag_snapshot.reset();
    e.drag_history = std::move(kept);
    e.dirty = true;
}

void restore_drag_history(Editor& e) {
    if (e.undo_stack.empty()) return;
    e.undo_stack.pop_back();
    if (!e.drag_history) return;
    if (e.drag_history->dropped) e.undo_stack.push_front(std::move(*e.drag_history->dropped));
    e.redo_stack = std::move(e.drag_history->redo_stack);
    e.dirty = e.drag_history->dirty;
    e.drag_history.reset();
}

namespace {
void swap_history(Editor& e, std::deque<std::vector<Annotation>>& from, std::deque<std::vector<Annotation>>& to) {
    commit_open_edits(e);
    if (from.empty()) return;
    // A move, resize or erase under way worked on the list being replaced.
    if (e.drag == EditorDrag::Moving || e.drag == EditorDrag::Resizing || e.drag == EditorDrag::Erasing) {
        e.drag = EditorDrag::None;
        e.drag_snapshot.reset();
        e.drag_copy.reset();
    }
    e.drag_history.reset();
    to.push_back(std::move(e.annotations));
    cap(to);
    e.annotations = std::move(from.back());
    from.pop_back();
    e.selected.reset();
    e.dirty = true;
    repaint_selection(e, rounded(12 * e.scale));
}
}  // namespace

void undo(Editor& e) { swap_history(e, e.undo_stack, e.redo_stack); }
void redo(Editor& e) { swap_history(e, e.redo_stack, e.undo_stack); }

uint32_t next_marker_number(const Editor& e) {
    uint32_t top = 0;
    for (const Annotation& a : e.annotations) {
        if (a.kind == Tool::Number) top = std::max(top, a.number);
    }
    return top == UINT32_MAX ? top : top + 1;
}

std::optional<size_t> hit_test_annotation(const Editor& e, float x, float y) {
    for (size_t i = e.annotations.size(); i-- > 0;) {
        if (annot_hit_test(e.annotations[i], x, y, 5 * e.scale, e.text_bounds)) return i;
    }
    return std::nullopt;
}

std::optional<size_t> selected_handle_at(const Editor& e, float x, float y) {
    const Annotation* sel = selected_annotation(e);
    if (!sel) return std::nullopt;
    const float t = std::round(7 * e.scale) * 0.5f + 3;
    const std::vector<AnnotationPoint> handles = annot_handle_points(*sel);
    for (size_t k = 0; k < handles.size(); ++k) {
        if (std::fabs(x - handles[k].x) <= t && std::fabs(y - handles[k].y) <= t) return k;
    }
    return std::nullopt;
}

void add_annotations(Editor& e, std::vector<Annotation> added) {
    if (added.empty()) return;
    commit_open_edits(e);
    push_undo(e);
    for (Annotation& a : added) {
        repaint_annotation(e, a);
        e.annotations.push_back(std::move(a));
    }
    e.dirty = true;
}

void apply_color(Editor& e, uint32_t argb) {
    e.tools.colour = argb;
    if (e.text_box) {
        e.text_box->color = argb;
        if (e.text_host) e.text_host->restyle_text_box(e);
        return;
    }
    const Annotation* a = selected_annotation(e);
    if (e.tool != Tool::None || !a || a->color == argb) return;
    push_undo(e);
    Annotation changed = *a;
    changed.color = argb;
    replace_annotation(e, *e.selected, std::move(changed));
    e.dirty = true;
}

void apply_size(Editor& e, uint64_t step) {
    step = std::min<uint64_t>(step, 2);
    if (e.text_box) {
        e.tools.size_steps[static_cast<size_t>(Tool::Text)] = step;
        e.text_box->size = tool_width(e.scale, Tool::Text, step);
        if (e.text_host) e.text_host->restyle_text_box(e);
        return;
    }
    if (e.tool == Tool::Spotlight || e.tool == Tool::Eraser) return;
    if (e.tool != Tool::None) {
        if (static_cast<size_t>(e.tool) < e.tools.size_steps.size()) e.tools.size_steps[static_cast<size_t>(e.tool)] = step;
        return;
    }
    const Annotation* a = selected_annotation(e);
    if (!a || static_cast<uint8_t>(a->kind) > static_cast<uint8_t>(Tool::Number)) return;
    e.tools.size_steps[static_cast<size_t>(a->kind)] = step;
    const float width = tool_width(e.scale, a->kind, step);
    if (a->width == width) return;
    push_undo(e);
    Annotation changed = *a;
    changed.width = width;
    replace_annotation(e, *e.selected, std::move(changed));
    e.dirty = true;
}

void erase_at(Editor& e, float x, float y) {
    bool pushed = false;
    for (size_t i = e.annotations.size(); i-- > 0;) {
        if (!annot_hit_test(e.annotations[i], x, y, 6 * e.scale, e.text_bounds)) continue;
        if (e.drag == EditorDrag::Erasing) take_drag_snapshot(e);  // one undo step per stroke
        else if (!pushed) push_undo(e);
        pushed = true;
        repaint_annotation(e, e.annotations[i]);
        e.annotations.erase(e.annotations.begin() + static_cast<std::ptrdiff_t>(i));
        e.selected.reset();
        e.dirty = true;
    }
}

void delete_selected(Editor& e) {
    const Annotation* a = selected_annotation(e);
    if (!a) return;
    push_undo(e);
    repaint_annotation(e, *a);
    e.annotations.erase(e.annotations.begin() + static_cast<std::ptrdiff_t>(*e.selected));
    e.selected.reset();
    e.dirty = true;
}

void nudge_selected(Editor& e, float dx, float dy) {
    const Annotation* a = selected_annotation(e);
    if (!a) return;
    push_undo(e);
    Annotation moved = *a;
    for (AnnotationPoint& p : moved.points) p = {p.x + dx, p.y + dy};
    replace_annotation(e, *e.selected, std::move(moved));
    e.dirty = true;
}

void commit_open_edits(Editor& e) {
    finish_annotation(e);
    if (!e.text_box) return;
    if (e.text_host) e.text_host->commit_text_edit(e);
    // Without its window the box still closes, keeping what it started with.
    if (e.text_box) commit_text_value(e, std::string(e.text_box->initial_text));
}
