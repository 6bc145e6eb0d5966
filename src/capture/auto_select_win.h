#pragma once
// The Win32 side of auto-selection: the EnumWindows and EnumDisplayMonitors callbacks.
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
// lParam: a std::vector<Rect> that gets each monitor's rcMonitor. Always continues.
BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC, LPRECT, LPARAM list);

// The top-level windows that auto-selection offers, top-most first (screen coordinates).
std::vector<WindowTarget> enumerate_windows(HWND exclude);
std::vector<Rect> enumerate_monitors();
