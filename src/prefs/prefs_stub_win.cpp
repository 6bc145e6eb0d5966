// Placeholder until the settings window lands.
#include "prefs/prefs_win.h"
#include "util/log.h"

UiCell<HWND> PREFS_HWND;

void show_prefs_window() { debug_log("not available in this build: show_prefs_window"); }

const WindowClass PREFS_WINDOW_CLASS{L"OrmickOxelPrefs", DefWindowProcW, 0, IDC_ARROW, true};
const WindowClass HOTKEY_CONTROL_CLASS{L"OrmickOxelHotkey", DefWindowProcW, 0, IDC_IBEAM};
