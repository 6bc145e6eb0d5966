// The in-place text box's model: where it opens, and what its text becomes.
#include <algorithm>

#include "editor/editor.h"
#include "editor/editor_internal.h"
#include "editor/presets.h"
#include "util/text.h"
#include "util/rect_ops.h"

TextBox plan_text_box(const Editor& e, float x, float y, std::optional<size_t> index) {
    TextBox box;
    if (index && *index < e.annotations.size() && e.annotations[*index].kind == Tool::Text &&
        !e.annotations[*index].points.empty()) {
        const Annotation& a = e.annotations[*index];
        box.index = index;
        box.initial_text = a.text;
        box.x = a.points.front().x;
        box.y = a.points.front().y;
        box.color = a.color;
        box.size = a.width;
        box.outline = a.outline;
        return box;
    }
    box.size = tool_width(e.scale, Tool::Text, e.tools.size_steps[static_cast<size_t>(Tool::Text)]);
    box.x = x;
    box.y = y - 0.6f * box.size;  // the click lands in the first line
    box.color = e.tools.colour;
    box.outline = e.tools.text_outline;
    return box;
}

void open_text_box(Editor& e, TextBox box) {
    box.before = e.annotations;
    if (box.index) {
        if (*box.index < e.annotations.size()) {
            repaint_annotation(e, e.annotations[*box.index]);
            e.annotations.erase(e.annotations.begin() + static_cast<std::ptrdiff_t>(*box.index));
        } else {
            box.index.reset();
        }
    }
    e.selected.reset();
    if (!box.area.empty()) e.dirty_rects.push_back(grow(box.area, 6));
    e.text_box = std::move(box);
}

void commit_text_value(Editor& e, std::string_view text) {
    if (!e.text_box) return;
    TextBox box = std::move(*e.text_box);
    e.text_box.reset();
    if (!box.area.empty()) e.dirty_rects.push_back(grow(box.area, 6));

    // The box writes its line breaks as "\r\n"; a carriage return left alone (pasted text)
    // breaks the line too.
    std::string value = replace_all(replace_all(text, "\r\n", "\n"), "\r", "\n");
    if (!trim(value).empty()) {
        Annotation a;
        a.kind = Tool::Text;
        a.points = {{box.x, box.y}};
        a.text = std::move(value);
        a.color = box.color;
        a.width = box.size;
        a.outline = box.outline;
        const size_t at = box.index ? std::min(*box.index, e.annotations.size()) : e.annotations.size();
        e.annotations.insert(e.annotations.begin() + static_cast<std::ptrdiff_t>(at), std::move(a));
        repaint_annotation(e, e.annotations[at]);
    }
    // The box's window closes with `box` at the end of this call.
    if (e.annotations != box.before) {
        push_undo_entry(e, std::move(box.before));
        e.dirty = true;
    }
}
