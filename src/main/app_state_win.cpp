#include "main/app_state_win.h"

UiCell<UINT> TASKBAR_CREATED_MSG;
