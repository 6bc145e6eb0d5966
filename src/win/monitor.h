#pragma once
// The monitor nearest a point, as windows that open on it need it.
#include <windows.h>

#include <cstdint>

#include "util/geometry.h"

struct MonitorPlace {
    Rect work;           // the work area; the primary screen's size when the system gives none
    uint32_t dpi = 96;   // the effective DPI; 96 when the system gives none
};

MonitorPlace monitor_place_at(POINT point);
