#pragma once
// The hidden main window, as every module addresses it: the owner of clipboard data, the host
// of the application's timers and the target of workers' results. Set by main at start-up;
// null before that and in developer jobs. The rest of the application's state is main's own.
#include <windows.h>

#include "util/ui_cell.h"

extern UiCell<HWND> MAIN_HWND;
