#pragma once
// The editor's in-place text box: a child EDIT over the overlay in the Text's font, which
// posts WM_APP_TEXT_DONE (wParam 0, lParam the box) to its parent on Esc or Ctrl+Enter.
//
// Focus changes and the box's destruction send messages to the overlay, so they never run
// inside these calls: the box takes the focus, and gives it back and goes away, from messages
// it posts to itself. Callers may hold the session's borrow.
#include <windows.h>

#include <memory>
#include <optional>

#include "editor/editor.h"
#include "win/handles.h"

// Opens a box at (x, y) for a new Text, or over the Text at `index`. When the window cannot
// be made nothing changes (an edited Text stays in the list as it was).
void begin_text_edit(Editor& e, HWND parent, float x, float y, std::optional<size_t> index);
// Sizes the box to its text; the overlay calls it on the box's EN_CHANGE.
void fit_text_box(Editor& e);
// The box's text becomes the Text annotation (commit_text_value) and the box closes.
void commit_text_edit(Editor& e);
// A bold font of `size` pixels in the UI face, for the box.
Font create_text_font(float size);

// The open box's window; null when none is open.
HWND text_box_window(const Editor& e);
// WM_CTLCOLOREDIT of the box: its colour on a background that keeps it readable. Returns the
// brush for the overlay to return.
HBRUSH text_box_colors(const Editor& e, HDC dc);

// The text box host of an overlay window, for the editor.
class WinTextBoxHost final : public TextBoxHost {
public:
    explicit WinTextBoxHost(HWND parent) : parent_(parent) {}
    void begin_text_edit(Editor& e, float x, float y, std::optional<size_t> index) override;
    void commit_text_edit(Editor& e) override;
    void restyle_text_box(Editor& e) override;

private:
    HWND parent_;
};
