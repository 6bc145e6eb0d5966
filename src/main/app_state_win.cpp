#include "main/app_state_win.h"

thread_local UiCell<UINT> TASKBAR_CREATED_MSG;
