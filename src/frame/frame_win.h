#pragma once
// The region frame around a recorded or scrolled rectangle.
#include <windows.h>

LRESULT CALLBACK frame_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
