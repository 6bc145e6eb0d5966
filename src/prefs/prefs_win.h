#pragma once
// The settings window OrmickOxelPrefs and its hotkey entry control OrmickOxelHotkey.
#include <windows.h>

#include "util/ui_cell.h"
#include "win/window.h"

// The open settings window; 0 when closed. The message loop gives it IsDialogMessageW first.
extern UiCell<HWND> PREFS_HWND;

// Opens the window on the monitor under the cursor, or brings the open one to the front.
void show_prefs_window();

LRESULT CALLBACK prefs_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK hotkey_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

extern const WindowClass PREFS_WINDOW_CLASS;
extern const WindowClass HOTKEY_CONTROL_CLASS;
