// Placeholder until the settings window lands.
#include "prefs/prefs_win.h"
#include "util/log.h"

thread_local UiCell<HWND> PREFS_HWND;

void show_prefs_window() { debug_log("not available in this build: show_prefs_window"); }

LRESULT CALLBACK prefs_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK hotkey_control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}
