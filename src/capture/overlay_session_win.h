#pragma once
// What the overlay's input and actions share: the session of a window, borrowed for one call,
// the selection set in one place, and the plain picture of the session the input rules read.
#include <windows.h>

#include <optional>

#include "capture/overlay_input_rules.h"
#include "capture/overlay_state_win.h"

// The open session shown in `window`, borrowed until this goes out of scope; none when there
// is no such session or the cell is in use (a message nested in one of our own calls).
class OpenSession {
public:
    static std::optional<OpenSession> of(HWND window);
    OverlayState& operator*() const { return **borrow_; }
    OverlayState* operator->() const { return &**borrow_; }

private:
    explicit OpenSession(UiCell<std::optional<OverlayState>>::Borrow b) : borrow_(std::move(b)) {}
    UiCell<std::optional<OverlayState>>::Borrow borrow_;
};

// The confirmed selection (none drops it); the editor draws inside the same rectangle.
void set_overlay_selection(OverlayState& s, std::optional<Rect> selection);

// Nothing drawn or under way, no tool, no pin edit, no scan: the selection itself may change.
bool overlay_clean(const OverlayState& s);
InputContext input_context(const OverlayState& s);

// Overlay pixels of a screen point.
POINT overlay_point(const OverlayState& s, POINT screen);
