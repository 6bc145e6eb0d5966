#pragma once
// The overlay's window procedure: mouse, keys and the UI Automation answers of the session.
#include <windows.h>

LRESULT CALLBACK overlay_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
