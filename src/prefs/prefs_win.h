#pragma once
// The settings window OrmickOxelPrefs and its hotkey entry control OrmickOxelHotkey.
#include <windows.h>

#include "settings/settings.h"
#include "win/window.h"

// The open settings window of this process (one at a time); null when none.
HWND prefs_window();

// Shows keys stored while the window is open (the overlay's Tab sets capture_detect) in its
// controls; the other fields keep what the user typed. Nothing when no window is open.
void show_stored_settings(const SettingPairs& pairs);

// Opens the window on the monitor under the cursor, or brings the open one to the front.
void show_prefs_window();

// The dialog keys (Tab, Enter, Esc, ...) of a key message for a settings window; true when taken.
bool prefs_window_dialog_message(MSG& message);

LRESULT CALLBACK hotkey_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

extern const WindowClass PREFS_WINDOW_CLASS;
extern const WindowClass HOTKEY_CONTROL_CLASS;
