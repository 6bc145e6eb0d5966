#pragma once
// The configured hotkeys, registered on the main window. UI thread only.
#include <windows.h>

#include <string>
#include <vector>

#include "settings/settings.h"
#include "util/ui_cell.h"

inline constexpr int HOTKEY_ID_CAPTURE = 1;
inline constexpr int HOTKEY_ID_PIN = 2;
inline constexpr int HOTKEY_ID_CAPTURE_COPY = 3;

// The hotkeys (without MOD_NOREPEAT) that the last register_hotkeys registered.
extern UiCell<std::vector<Hotkey>> REGISTERED_HOTKEYS;

// Registers the configured hotkeys on `window`; returns the texts of those that another
// program holds, in the order capture, pin, capture and copy.
std::vector<std::string> register_hotkeys(HWND window);
// Lets go of them (the settings window does while a hotkey box has the focus).
void unregister_hotkeys();
