#pragma once
// The configured hotkeys, registered on the main window. UI thread only.
#include <windows.h>

#include <string>
#include <vector>

#include "settings/hotkey_plan.h"
#include "settings/settings.h"
#include "util/ui_cell.h"

inline constexpr int HOTKEY_ID_CAPTURE = 1;
inline constexpr int HOTKEY_ID_PIN = 2;
inline constexpr int HOTKEY_ID_CAPTURE_COPY = 3;

// The hotkeys (without MOD_NOREPEAT) that the last register_hotkeys registered.
extern UiCell<std::vector<Hotkey>> REGISTERED_HOTKEYS;

// Registers the configured hotkeys on `window`; returns what keeps any of them from working:
// texts that name no key, two of them on one key, keys another program holds.
HotkeyReport register_hotkeys(HWND window);
// Lets go of them (the settings window does while a hotkey box has the focus).
void unregister_hotkeys();
