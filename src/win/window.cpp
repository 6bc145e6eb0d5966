#include "win/window.h"

#include <string>

#include "util/fatal.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"

namespace {

// Lives as long as the classes that show it, that is, the process.
HICON program_icon() {
    static const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    return icon;
}

}  // namespace

bool register_window_class(const WindowClass& spec) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = spec.style;
    wc.lpfnWndProc = spec.proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = spec.program_icon ? program_icon() : nullptr;
    wc.hCursor = spec.cursor ? LoadCursorW(nullptr, spec.cursor) : nullptr;
    wc.hbrBackground = spec.background;
    wc.lpszClassName = spec.name;
    if (RegisterClassExW(&wc)) return true;
    const Error error = last_error();
    debug_log("window class " + from_wide(spec.name ? spec.name : L"(none)") + " not registered: " + error.message);
    return false;
}

void window_proc_threw(const char* what) {
    fatal_invariant(std::string("exception thrown in a window procedure: ") + (what ? what : ""));
}
