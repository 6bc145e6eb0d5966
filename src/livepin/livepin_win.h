#pragma once
// Live pins: a region of another window shown as it changes.
#include <windows.h>

LRESULT CALLBACK livepin_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
