#pragma once
// The running instance's main window: commands, tray and hotkeys. UI thread only. The notice
// and open_path are declared in win/shell.h, what a stored setting changes in
// settings/settings_win.h (settings_changed) and the hotkey registration in
// settings/hotkeys_win.h, which modules include instead of this header.
#include <windows.h>

#include <string>
#include <string_view>

#include "settings/hotkeys_win.h"
#include "win/shell.h"
#include "win/window.h"

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
extern const WindowClass MAIN_WINDOW_CLASS;

// The capture hotkey, a tray click and a forwarded capture: stops a recording instead, and
// does nothing while a scrolling capture runs.
void capture_action();
// The capture-and-copy hotkey and a forwarded capture-and-copy: the same rule as capture_action.
void capture_copy_action();
// The pin hotkey: pins a running scrolling capture, otherwise the clipboard.
void pin_action();

// Adds the tray icon; when the shell refuses, tries again on a main-window timer every 2 s, up
// to 30 times.
void tray_add_icon(HWND window);
// The retry timer's tick: stops once the icon is there or the tries are used up.
void tray_retry_add_icon(HWND window);
// "Reload settings": re-reads settings.ini, re-registers the hotkeys, refreshes the tray's
// tooltip and reports hotkeys that cannot work and a file that cannot be read.
void reload_settings();
// "{cap}" and "{pin}" replaced by the current hotkey texts ("—" for one that is off).
std::string fill_hotkey_placeholders(std::string_view text);
