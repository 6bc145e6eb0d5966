#include "win/main_window.h"

UiCell<HWND> MAIN_HWND;
