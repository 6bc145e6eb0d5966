#pragma once
// Live pins: a region of another window shown as it changes.
#include "win/window.h"

extern const WindowClass LIVEPIN_WINDOW_CLASS;
