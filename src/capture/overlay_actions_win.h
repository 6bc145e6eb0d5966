#pragma once
// What the user can do with an open session.
#include <windows.h>

// Esc, a right click or WM_CLOSE: the session ends and the focus goes back where it was.
void cancel_capture(HWND window);
