#pragma once
// A popup menu made from its data (util/menu_model.h).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "util/menu_model.h"
#include "win/handles.h"

// None when the system cannot make the menu; an item it refuses is left out.
Menu make_popup_menu(const std::vector<MenuItem>& items);
// Shows the menu at a screen point for the window and returns the chosen id (0: none). The window
// takes the foreground first, or the menu would not close on a click elsewhere. A modal loop runs
// inside: the caller holds no borrowed state and looks its window up again afterwards.
uint32_t track_popup_menu(HWND window, const Menu& menu, POINT at);
