#include "capture/overlay_focus_win.h"

#include <string>

#include "capture/session_win.h"
#include "util/log.h"
#include "util/ui_cell.h"
#include "win/messages.h"

namespace {

// A program that keeps snatching the foreground is not fought forever: after this many in one
// session the user's click on the overlay or the capture hotkey brings it back.
constexpr uint32_t MAX_TAKE_BACKS = 5;

struct TakeBacks {
    uint64_t session = 0;  // CAPTURE_SEQ of the session counted
    uint32_t count = 0;
};
UiCell<TakeBacks> TAKE_BACKS;

// The window of the open session, when it is on screen.
HWND shown_session_window() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return nullptr;
    const HWND w = (**cell)->window;
    return IsWindow(w) && IsWindowVisible(w) ? w : nullptr;
}

// Another program's window (or none) has the foreground; our own windows over the overlay
// (Save As, the colour dialog, a question) are left alone.
bool foreground_elsewhere(HWND overlay, HWND& foreground) {
    foreground = GetForegroundWindow();
    if (foreground == overlay) return false;
    DWORD pid = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &pid);
    return pid != GetCurrentProcessId();
}

std::string class_text(HWND w) {
    wchar_t name[64] = {};
    if (!w || !GetClassNameW(w, name, 64)) return "none";
    std::string out;
    for (const wchar_t* c = name; *c; ++c) out += *c < 128 ? static_cast<char>(*c) : '?';
    return out;
}

void activate(HWND overlay) {
    if (!SetForegroundWindow(overlay) || GetForegroundWindow() != overlay) force_foreground(overlay);
}

}  // namespace

void overlay_lost_activation(HWND overlay) { PostMessageW(overlay, WM_APP_OVERLAY_REFOCUS, 0, 0); }

void overlay_take_focus_back(HWND overlay) {
    if (shown_session_window() != overlay) return;
    HWND foreground = nullptr;
    if (!foreground_elsewhere(overlay, foreground)) return;
    const uint64_t session = CAPTURE_SEQ.get();
    TakeBacks taken = TAKE_BACKS.get();
    if (taken.session != session) taken = {session, 0};
    if (taken.count >= MAX_TAKE_BACKS) return;
    ++taken.count;
    TAKE_BACKS.set(taken);
    debug_log("overlay: the foreground went to " + class_text(foreground) + " during the capture; taken back");
    activate(overlay);
}

void bring_session_forward() {
    const HWND overlay = shown_session_window();
    HWND foreground = nullptr;
    if (!overlay || !foreground_elsewhere(overlay, foreground)) return;
    debug_log("overlay: the capture key brings the open capture back from " + class_text(foreground));
    activate(overlay);
}
