#pragma once
// A popup menu made from its data (util/menu_model.h).
#include <windows.h>

#include <vector>

#include "util/menu_model.h"
#include "win/handles.h"

// None when the system cannot make the menu; an item it refuses is left out.
Menu make_popup_menu(const std::vector<MenuItem>& items);
