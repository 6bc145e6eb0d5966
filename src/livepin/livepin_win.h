#pragma once
// Live pins: a region of another window shown as it changes.
#include <windows.h>

#include "util/geometry.h"
#include "win/window.h"

// A live pin of `area` (screen coordinates, inside the source window).
void open_live_pin(HWND source, const Rect& area);

extern const WindowClass LIVEPIN_WINDOW_CLASS;
