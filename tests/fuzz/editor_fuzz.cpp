// The annotation editor under any sequence of presses, moves, releases, keys, tools, sizes,
// colours, typed texts, undo and redo: indexes stay valid, stacks stay within their depth,
// every kept annotation has the points its kind needs, and finite input gives finite points.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "editor/editor.h"
#include "support/fuzz_input.h"

namespace {

std::optional<Rect> fake_text_bounds(const Annotation& a) {
    const auto x = static_cast<int32_t>(std::clamp(a.points[0].x, -1e6f, 1e6f));
    const auto y = static_cast<int32_t>(std::clamp(a.points[0].y, -1e6f, 1e6f));
    return Rect{x, y, x + static_cast<int32_t>(a.text.size()) * 8, y + 20};
}

// The box "types" whatever the input says.
class TypingHost : public TextBoxHost {
public:
    explicit TypingHost(FuzzInput& in) : in_(in) {}
    void begin_text_edit(Editor& e, float x, float y, std::optional<size_t> index) override {
        if (in_.below(8) == 0) return;  // the window could not be made
        TextBox box = plan_text_box(e, x, y, index);
        box.area = Rect{0, 0, 40, 30};
        open_text_box(e, std::move(box));
    }
    void commit_text_edit(Editor& e) override { commit_text_value(e, in_.text(24)); }
    void restyle_text_box(Editor&) override {}

private:
    FuzzInput& in_;
};

float coordinate(FuzzInput& in) {
    if (in.below(16) == 0) return static_cast<float>(in.number<int32_t>());  // far away, still finite
    return static_cast<float>(in.number<int16_t>() % 1200) + (in.flag() ? 0.5f : 0.0f);
}

void check(const Editor& e) {
    FUZZ_CHECK(!e.selected || *e.selected < e.annotations.size());
    FUZZ_CHECK(e.undo_stack.size() <= UNDO_DEPTH && e.redo_stack.size() <= UNDO_DEPTH);
    FUZZ_CHECK((e.drag == EditorDrag::Polyline || e.drag == EditorDrag::Drawing) == e.in_progress.has_value());
    for (const Annotation& a : e.annotations) {
        FUZZ_CHECK(static_cast<uint8_t>(a.kind) <= static_cast<uint8_t>(Tool::Spotlight));
        if (holds_one_point(a.kind)) FUZZ_CHECK(a.points.size() == 1);
        else if (is_freehand(a) || a.kind == Tool::Line) FUZZ_CHECK(a.points.size() >= 2);
        else FUZZ_CHECK(a.points.size() == 2);
        if (a.kind == Tool::Text) FUZZ_CHECK(a.text.find('\r') == std::string::npos);
        for (const AnnotationPoint& p : a.points) FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
        FUZZ_CHECK(std::isfinite(a.width) && a.width >= 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const Rect selection{in.number<int16_t>() % 400, in.number<int16_t>() % 400, 0, 0};
    Rect sel = selection;
    sel.r = sel.l + static_cast<int32_t>(in.below(1400));
    sel.b = sel.t + static_cast<int32_t>(in.below(1000));
    const float scale = 0.5f + static_cast<float>(in.below(8)) * 0.25f;
    Editor e = make_editor(ToolSettings{}, scale, sel, fake_text_bounds, std::make_shared<TypingHost>(in));

    for (size_t step = 0; step < 64 && !in.empty(); ++step) {
        switch (in.below(12)) {
        case 0: set_tool(e, static_cast<Tool>(in.below(12))); break;
        case 1:
        case 2: editor_mouse_down(e, coordinate(in), coordinate(in), in.flag()); break;
        case 3:
        case 4: editor_mouse_move(e, coordinate(in), coordinate(in), in.flag()); break;
        case 5: editor_mouse_up(e, coordinate(in), coordinate(in)); break;
        case 6: finish_annotation(e); break;
        case 7: in.flag() ? undo(e) : redo(e); break;
        case 8: apply_size(e, in.below(4)); break;
        case 9: apply_color(e, in.number<uint32_t>()); break;
        case 10: in.flag() ? delete_selected(e) : nudge_selected(e, in.flag() ? 10.0f : -1.0f, 1.0f); break;
        default: {
            e.tools.fill = in.flag();
            e.tools.highlighter_box = in.flag();
            e.tools.mosaic_box = in.flag();
            set_selection(e, in.below(e.annotations.size() + 2));
            break;
        }
        }
        check(e);
        for (const Rect& r : e.dirty_rects) FUZZ_CHECK(r.l <= r.r && r.t <= r.b);
        e.dirty_rects.clear();
    }
    commit_open_edits(e);
    FUZZ_CHECK(!e.text_box && e.drag != EditorDrag::Polyline);
    check(e);
    return 0;
}
