#pragma once
// The application shell's own state on the UI thread (the main window's handle, which every
// module addresses, is in win/main_window.h).
#include <windows.h>

#include "util/ui_cell.h"

// The "TaskbarCreated" message id; 0 until start-up registers it.
extern UiCell<UINT> TASKBAR_CREATED_MSG;
