#pragma once
// The running instance's main window: commands, tray, hotkeys and notices. UI thread only.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "util/ui_cell.h"
#include "win/window.h"

inline constexpr int HOTKEY_ID_CAPTURE = 1;
inline constexpr int HOTKEY_ID_PIN = 2;
inline constexpr int HOTKEY_ID_CAPTURE_COPY = 3;

// The hotkeys (without MOD_NOREPEAT) that the last register_hotkeys registered.
extern UiCell<std::vector<Hotkey>> REGISTERED_HOTKEYS;

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
extern const WindowClass MAIN_WINDOW_CLASS;

// The capture hotkey, a tray click and a forwarded capture: stops a recording instead, and
// does nothing while a scrolling capture runs.
void capture_action();

// Registers the configured hotkeys on `window`; returns the texts of those that another
// program holds, in the order capture, pin, capture and copy.
std::vector<std::string> register_hotkeys(HWND window);
void unregister_hotkeys();
// The tray's "Reload settings": re-reads settings.ini, re-registers the hotkeys, refreshes the
// tooltip and reports hotkeys in use.
void reload_settings();

void tray_add_icon(HWND window);
// The one way to show a short notice. UTF-8 in; cut to what the notification area holds.
void tray_balloon(std::string_view title, std::string_view body);
// Opens a file or folder with its program, or a file in Notepad.
void open_path(const std::string& path, bool with_notepad);
// "{cap}" and "{pin}" replaced by the current hotkey texts ("—" for one that is off).
std::string fill_hotkey_placeholders(std::string_view text);
