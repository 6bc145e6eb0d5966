#pragma once
// The Win32 side of auto-selection: the EnumWindows callback. Monitors come from monitor_rects().
#include <windows.h>

#include <vector>

#include "capture/auto_select.h"
#include "util/geometry.h"

struct WindowEnumList {
    std::vector<WindowTarget> windows;  // screen coordinates
    HWND exclude = nullptr;             // the overlay: never a target, whether cloaked or not
};

// lParam: a WindowEnumList. Always continues.
BOOL CALLBACK window_enum_proc(HWND window, LPARAM list);

// The top-level windows that auto-selection offers, top-most first (screen coordinates).
std::vector<WindowTarget> enumerate_windows(HWND exclude);
