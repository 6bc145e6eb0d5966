#pragma once
// The settings window and its hotkey entry control.
#include <windows.h>

#include "util/ui_cell.h"
#include "win/window.h"

// The open settings window; 0 when closed. The message loop gives it IsDialogMessageW first.
extern UiCell<HWND> PREFS_HWND;

// Opens the window, or brings the open one to the front.
void show_prefs_window();

extern const WindowClass PREFS_WINDOW_CLASS;
extern const WindowClass HOTKEY_CONTROL_CLASS;
