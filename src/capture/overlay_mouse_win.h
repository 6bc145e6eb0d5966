#pragma once
// The overlay's mouse: the mouse-state machine over presses, moves, releases and double clicks,
// the right button, the wheel, losing the capture, and the pointer shape. Each handler borrows
// the session for its own length and hands back the action it decided on, which the window
// procedure runs once the borrow is gone.
#include <windows.h>

#include "capture/overlay_action.h"

ActionCall overlay_left_down(HWND window, POINT p);
ActionCall overlay_double_click(HWND window, POINT p);
void overlay_mouse_move(HWND window, POINT p);
ActionCall overlay_left_up(HWND window, POINT p);
ActionCall overlay_right_up(HWND window);
void overlay_wheel(HWND window, int32_t delta);
void overlay_capture_changed(HWND window, HWND new_capture);
// WM_SETCURSOR over the client area; false when there is no session to ask.
bool overlay_set_cursor(HWND window);
