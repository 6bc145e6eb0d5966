#include "capture/overlay_actions_win.h"

#include "capture/session_win.h"

void cancel_capture(HWND window) { end_capture(window, true); }
