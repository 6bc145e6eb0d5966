// Placeholder until the region frame lands.
#include "frame/frame_win.h"

LRESULT CALLBACK frame_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}
