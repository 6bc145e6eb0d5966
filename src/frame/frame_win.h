#pragma once
// The region frame around a recorded or scrolled rectangle.
#include "win/window.h"

extern const WindowClass FRAME_WINDOW_CLASS;
