// Placeholder until live pins land.
#include "livepin/livepin_win.h"

LRESULT CALLBACK livepin_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}
