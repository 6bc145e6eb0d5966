#include "win/main_window.h"

thread_local UiCell<HWND> MAIN_HWND;
