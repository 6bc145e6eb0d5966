#pragma once
// The settings window and its hotkey entry control.
#include <windows.h>

#include "util/ui_cell.h"

// The open settings window; 0 when closed. The message loop gives it IsDialogMessageW first.
extern thread_local UiCell<HWND> PREFS_HWND;

// Opens the window, or brings the open one to the front.
void show_prefs_window();

LRESULT CALLBACK prefs_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK hotkey_control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
