// The editor's press, move and release rules.
#include <algorithm>
#include <cmath>

#include "editor/editor.h"
#include "editor/editor_internal.h"

namespace {
AnnotationPoint clamp_into(const Rect& s, float x, float y) {
    if (s.empty()) return {x, y};
    return {std::clamp(x, static_cast<float>(s.l), static_cast<float>(s.r) - 1),
            std::clamp(y, static_cast<float>(s.t), static_cast<float>(s.b) - 1)};
}

bool inside(const Rect& s, float x, float y) {
    return static_cast<float>(s.l) <= x && x < static_cast<float>(s.r) && static_cast<float>(s.t) <= y &&
           y < static_cast<float>(s.b);
}

bool is_corner_kind_or_boxed(const Annotation& a) { return has_corner_handles(a); }

void start_edit_drag(Editor& e, EditorDrag drag, AnnotationPoint p) {
    e.drag = drag;
    e.drag_start = p;
    e.drag_copy = e.annotations[*e.selected];
    e.drag_snapshot = e.annotations;  // pushed only once the drag changes something
}

// The points of a resize of `copy` by handle k to p.
std::vector<AnnotationPoint> resized_points(const Annotation& copy, size_t k, AnnotationPoint p, bool shift) {
    if (has_corner_handles(copy)) {
        const BoxF b = corner_box(copy);
        const AnnotationPoint corners[4] = {{b.l, b.t}, {b.r, b.t}, {b.r, b.b}, {b.l, b.b}};
        if (shift) p = square_from(corners[(k ^ 2) & 3], p);
        switch (k) {
        case 0: return {p, {b.r, b.b}};
        case 1: return {{b.l, p.y}, {p.x, b.b}};
        case 2: return {{b.l, b.t}, p};
        default: return {{p.x, b.t}, {b.r, p.y}};
        }
    }
    std::vector<AnnotationPoint> pts = copy.points;
    if (k < pts.size() && pts.size() >= 2) {
        const AnnotationPoint other = pts[k == 0 ? 1 : 0];
        pts[k] = shift ? snap_45(other, p) : p;
    }
    return pts;
}

void update_edited(Editor& e, std::vector<AnnotationPoint> points) {
    // The drag works on the annotation it pressed on: once the selection went elsewhere (a
    // delete, another selection) it changes nothing.
    if (!e.selected || *e.selected >= e.annotations.size() || !e.drag_copy) return;
    const Annotation& now = e.annotations[*e.selected];
    if (now.kind != e.drag_copy->kind || now.points.size() != e.drag_copy->points.size()) return;
    if (now.points == points) return;
    take_drag_snapshot(e);
    Annotation changed = now;
    changed.points = std::move(points);
    replace_annotation(e, *e.selected, std::move(changed));
}

void draw_to(Editor& e, AnnotationPoint p, bool shift) {
    Annotation& a = *e.in_progress;
    const Annotation before = a;
    if (is_freehand(a)) {
        const AnnotationPoint last = a.points.back();
        if (std::hypot(p.x - last.x, p.y - last.y) >= 1.5f) a.points.push_back(p);
    } else if (a.points.size() == 2) {
        AnnotationPoint q = p;
        if (shift && is_corner_kind_or_boxed(a)) q = square_from(a.points[0], p);
        else if (shift && (a.kind == Tool::Arrow || a.kind == Tool::Line)) q = snap_45(a.points[0], p);
        a.points[1] = q;
    }
    if (a == before) return;
    repaint_annotation(e, before);
    repaint_annotation(e, a);
}

void keep_drawn(Editor& e, Annotation a) {
    push_undo(e);
    e.annotations.push_back(std::move(a));
    e.dirty = true;
    set_selection(e, e.annotations.size() - 1);
}

void release_drawing(Editor& e) {
    Annotation a = std::move(*e.in_progress);
    e.in_progress.reset();
    bool keep = false;
    if (is_freehand(a)) {
        keep = a.points.size() >= 2;
    } else if (a.points.size() >= 2) {
        const float dx = std::fabs(a.points.back().x - a.points.front().x);
        const float dy = std::fabs(a.points.back().y - a.points.front().y);
        const bool tiny = dx < 3 && dy < 3;
        if (tiny && a.kind == Tool::Line) {
            // A click with the Line tool starts a polyline; later clicks add its vertices.
            repaint_annotation(e, a);
            a.points = {a.points.front(), a.points.front()};
            e.in_progress = std::move(a);
            e.drag = EditorDrag::Polyline;
            return;
        }
        keep = !tiny;
    }
    if (keep) keep_drawn(e, std::move(a));
    else repaint_annotation(e, a);
}

void release_edit(Editor& e) {
    if (!e.drag_snapshot) {
        // Changed: unless it came back to where it started, the change stays.
        const Annotation* now = selected_annotation(e);
        if (now && e.drag_copy && *now == *e.drag_copy) restore_drag_history(e);
        else e.dirty = true;
    }
    e.drag_snapshot.reset();
    e.drag_copy.reset();
    e.drag_history.reset();
}
}  // namespace

bool editor_mouse_down(Editor& e, float x, float y, bool shift) {
    // A press while a drag still runs (its release never came) ends that drag first.
    if (e.drag != EditorDrag::None && e.drag != EditorDrag::Polyline) editor_mouse_up(e, x, y);
    const AnnotationPoint p = clamp_into(e.selection, x, y);
    if (e.text_box) {
        commit_open_edits(e);
        return true;
    }
    if (e.drag == EditorDrag::Polyline && e.in_progress && !e.in_progress->points.empty()) {
        Annotation& a = *e.in_progress;
        const Annotation before = a;
        AnnotationPoint q = p;
        if (shift && a.points.size() >= 2) q = snap_45(a.points[a.points.size() - 2], p);
        a.points.back() = q;
        a.points.push_back(q);
        repaint_annotation(e, before);
        repaint_annotation(e, a);
        return true;
    }
    if (e.tool != Tool::Eraser) {
        if (const std::optional<size_t> handle = selected_handle_at(e, p.x, p.y)) {
            start_edit_drag(e, EditorDrag::Resizing, p);
            e.drag_handle = *handle;
            return true;
        }
        const Annotation* sel = selected_annotation(e);
        if (sel && annot_hit_test(*sel, p.x, p.y, 5 * e.scale, e.text_bounds)) {
            start_edit_drag(e, EditorDrag::Moving, p);
            return true;
        }
    }
    switch (e.tool) {
    case Tool::Eraser:
        // The raw point decides: a press outside the selection erases nothing.
        if (!inside(e.selection, x, y)) return true;
        set_selection(e, std::nullopt);
        e.drag = EditorDrag::Erasing;
        e.drag_snapshot = e.annotations;
        erase_at(e, x, y);
        return true;
    case Tool::Text:
        if (inside(e.selection, x, y) && e.text_host) {
            std::optional<size_t> hit = hit_test_annotation(e, x, y);
            if (hit && e.annotations[*hit].kind != Tool::Text) hit.reset();
            e.text_host->begin_text_edit(e, x, y, hit);
        }
        return true;
    case Tool::Number: {
        push_undo(e);
        Annotation a = new_annotation(e, Tool::Number, p.x, p.y);
        a.number = next_marker_number(e);
        e.annotations.push_back(std::move(a));
        e.dirty = true;
        set_selection(e, e.annotations.size() - 1);
        return true;
    }
    case Tool::None: {
        const std::optional<size_t> hit = hit_test_annotation(e, p.x, p.y);
        set_selection(e, hit);
        if (!hit) return false;
        start_edit_drag(e, EditorDrag::Moving, p);
        return true;
    }
    default:
        set_selection(e, std::nullopt);
        e.drag_start = p;
        e.in_progress = new_annotation(e, e.tool, p.x, p.y);
        e.drag = EditorDrag::Drawing;
        return true;
    }
}

void editor_mouse_move(Editor& e, float x, float y, bool shift) {
    const AnnotationPoint p = clamp_into(e.selection, x, y);
    switch (e.drag) {
    case EditorDrag::Drawing:
        if (e.in_progress && !e.in_progress->points.empty()) draw_to(e, p, shift);
        break;
    case EditorDrag::Polyline:
        if (e.in_progress && !e.in_progress->points.empty()) {
            Annotation& a = *e.in_progress;
            const Annotation before = a;
            a.points.back() = shift && a.points.size() >= 2 ? snap_45(a.points[a.points.size() - 2], p) : p;
            if (a == before) break;
            repaint_annotation(e, before);
            repaint_annotation(e, a);
        }
        break;
    case EditorDrag::Moving:
        if (e.drag_copy) {
            std::vector<AnnotationPoint> pts = e.drag_copy->points;
            for (AnnotationPoint& q : pts) q = {q.x + (p.x - e.drag_start.x), q.y + (p.y - e.drag_start.y)};
            update_edited(e, std::move(pts));
        }
        break;
    case EditorDrag::Resizing:
        if (e.drag_copy) update_edited(e, resized_points(*e.drag_copy, e.drag_handle, p, shift));
        break;
    case EditorDrag::Erasing: erase_at(e, p.x, p.y); break;
    case EditorDrag::None: break;
    }
}

void editor_mouse_up(Editor& e, float x, float y) {
    (void)x;
    (void)y;
    const EditorDrag ended = e.drag;
    e.drag = EditorDrag::None;
    switch (ended) {
    case EditorDrag::Drawing:
        if (e.in_progress) release_drawing(e);
        break;
    case EditorDrag::Polyline: e.drag = EditorDrag::Polyline; break;
    case EditorDrag::Moving:
    case EditorDrag::Resizing: release_edit(e); break;
    case EditorDrag::Erasing:
        e.drag_snapshot.reset();
        e.drag_history.reset();
        break;
    case EditorDrag::None: break;
    }
}

void finish_annotation(Editor& e) {
    if (e.drag != EditorDrag::Polyline) return;
    e.drag = EditorDrag::None;
    if (!e.in_progress) return;
    Annotation a = std::move(*e.in_progress);
    e.in_progress.reset();
    repaint_annotation(e, a);
    if (!a.points.empty()) a.points.pop_back();  // the rubber band
    std::vector<AnnotationPoint> kept;
    for (const AnnotationPoint& q : a.points) {
        if (!kept.empty() && std::fabs(q.x - kept.back().x) < 1 && std::fabs(q.y - kept.back().y) < 1) continue;
        kept.push_back(q);
    }
    if (kept.size() < 2) return;
    a.points = std::move(kept);
    keep_drawn(e, std::move(a));
}
