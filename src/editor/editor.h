#pragma once
// The annotation editor of one overlay session: the annotations of the selection, the tool,
// colour, sizes and styles, creating, selecting, moving, resizing, erasing, the in-place text
// box, and undo and redo. Coordinates are overlay pixels. Every change adds the rectangles it
// needs repainted to dirty_rects, which the overlay's repaint drains.
//
// Platform-free: the text box's window and the measuring of Text outlines come in through
// TextBoxHost and TextBoundsFn (the Win32 half in editor/text_box_win.h, fakes in tests).
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "annot/annotation.h"
#include "annot/geometry.h"
#include "editor/tool_settings.h"
#include "util/geometry.h"

inline constexpr size_t UNDO_DEPTH = 200;

enum class EditorDrag : uint8_t { None = 0, Drawing = 1, Polyline = 2, Moving = 3, Resizing = 4, Erasing = 5 };

// The open text box's window, opaque here. Whoever made it gives the way to close it; dropping
// the box (commit, or the session's end) closes it.
class TextBoxWindow {
public:
    using CloseFn = void (*)(void*);
    TextBoxWindow() = default;
    TextBoxWindow(void* window, CloseFn close) : window_(window), close_(close) {}
    TextBoxWindow(TextBoxWindow&& o) noexcept
        : window_(std::exchange(o.window_, nullptr)), close_(std::exchange(o.close_, nullptr)) {}
    TextBoxWindow& operator=(TextBoxWindow&& o) noexcept {
        if (this != &o) {
            reset();
            window_ = std::exchange(o.window_, nullptr);
            close_ = std::exchange(o.close_, nullptr);
        }
        return *this;
    }
    TextBoxWindow(const TextBoxWindow&) = delete;
    TextBoxWindow& operator=(const TextBoxWindow&) = delete;
    ~TextBoxWindow() { reset(); }

    void* get() const { return window_; }
    void reset() {
        if (window_ && close_) close_(window_);
        window_ = nullptr;
        close_ = nullptr;
    }

private:
    void* window_ = nullptr;
    CloseFn close_ = nullptr;
};

struct TextBox {
    std::optional<size_t> index;   // the edited Text's place in the list; none for a new Text
    std::string initial_text;      // what the box starts with
    float x = 0, y = 0;            // the box's top-left: the Text's point
    uint32_t color = 0;            // ARGB
    float size = 1;                // font size in pixels
    bool outline = false;
    std::vector<Annotation> before;  // the list when the box opened, for the undo step
    Rect area;                       // the box's client area, overlay pixels
    TextBoxWindow window;
};

struct Editor;

// The platform's half of the in-place text box.
class TextBoxHost {
public:
    virtual ~TextBoxHost() = default;
    // Opens a box at (x, y) for a new Text, or over the Text at `index`.
    virtual void begin_text_edit(Editor& editor, float x, float y, std::optional<size_t> index) = 0;
    // Commits the open box's text and closes it.
    virtual void commit_text_edit(Editor& editor) = 0;
    // The open box's colour, size or outline changed.
    virtual void restyle_text_box(Editor& editor) = 0;
};

struct Editor {
    std::optional<size_t> selected;
    std::vector<Annotation> annotations;  // drawing order, last on top
    std::deque<std::vector<Annotation>> undo_stack;
    std::deque<std::vector<Annotation>> redo_stack;
    std::vector<Rect> dirty_rects;
    std::optional<Annotation> in_progress;
    std::optional<TextBox> text_box;

    EditorDrag drag = EditorDrag::None;
    AnnotationPoint drag_start;             // move: the press point
    std::optional<Annotation> drag_copy;    // move, resize: the annotation at the press
    size_t drag_handle = 0;                 // resize
    // Move, resize and erase: the list at the press, pushed on the undo stack at the first change.
    std::optional<std::vector<Annotation>> drag_snapshot;
    // What that push took from the history, given back when a move or resize ends where it began.
    struct DragHistory {
        std::deque<std::vector<Annotation>> redo_stack;
        std::optional<std::vector<Annotation>> dropped;  // the oldest undo step, at full depth
        bool dirty = false;
    };
    std::optional<DragHistory> drag_history;

    // A finished pin edit's list, moved back into pin image coordinates by the edit's finish (the
    // session's end writes it into the pin as it stands); none while unfinished or when cancelled.
    std::optional<std::vector<Annotation>> edited;

    ToolSettings tools;     // size steps, colour and the five style switches; carried between sessions
    Rect selection;         // confines drawing
    float scale = 1.0f;
    bool dirty = false;     // any change to the annotations
    Tool tool = Tool::None;

    TextBoundsFn text_bounds = nullptr;
    std::shared_ptr<TextBoxHost> text_host;
};

Editor make_editor(const ToolSettings& tools, float scale, Rect selection, TextBoundsFn text_bounds,
                   std::shared_ptr<TextBoxHost> text_host);

// A new annotation of the tool at (x, y) with the editor's colour, size and styles.
Annotation new_annotation(const Editor& e, Tool tool, float x, float y);

void set_tool(Editor& e, Tool tool);
void set_selection(Editor& e, std::optional<size_t> index);
void replace_annotation(Editor& e, size_t index, Annotation a);
// The selected annotation, or none when the index is no longer valid.
const Annotation* selected_annotation(const Editor& e);

void push_undo(Editor& e);
void undo(Editor& e);
void redo(Editor& e);

uint32_t next_marker_number(const Editor& e);
// The topmost annotation within 5 x scale of (x, y).
std::optional<size_t> hit_test_annotation(const Editor& e, float x, float y);

// The handle of the selected annotation within round(7 x scale) x 0.5 + 3 of (x, y) in x and
// in y, the first in handle order; none without a selected annotation.
std::optional<size_t> selected_handle_at(const Editor& e, float x, float y);

// Appends annotations made elsewhere (the hidden personal data) as one undo step.
void add_annotations(Editor& e, std::vector<Annotation> added);

void apply_color(Editor& e, uint32_t argb);
void apply_size(Editor& e, uint64_t step);
void erase_at(Editor& e, float x, float y);
// Backspace and Delete, and the arrow keys, on the selected annotation.
void delete_selected(Editor& e);
void nudge_selected(Editor& e, float dx, float dy);

// The left button went down at (x, y). False when the press is not the editor's (tool none and
// no annotation under it): the overlay handles it as a selection press.
bool editor_mouse_down(Editor& e, float x, float y, bool shift);
void editor_mouse_move(Editor& e, float x, float y, bool shift);
void editor_mouse_up(Editor& e, float x, float y);
// Ends an open polyline: kept with two or more points, else dropped.
void finish_annotation(Editor& e);

// Commits an open polyline and an open text box (before undo, a tool change, an action).
void commit_open_edits(Editor& e);

// The text box, platform-free half. plan_text_box gives the box for a new Text at (x, y) or
// for the Text at `index`; open_text_box stores it once its window exists, taking the edited
// Text out of the list.
TextBox plan_text_box(const Editor& e, float x, float y, std::optional<size_t> index);
void open_text_box(Editor& e, TextBox box);
// Closes the box with its text: "\r\n" and a lone "\r" become "\n"; a text that is not blank becomes the
// Text annotation (a new one appended, an edited one back at its place); a blank text adds
// nothing and leaves an edited Text removed. One undo step when the list changed.
void commit_text_value(Editor& e, std::string_view text);

// Adds the rectangle of everything the annotation draws, with room for the selection frame.
void repaint_annotation(Editor& e, const Annotation& a);
