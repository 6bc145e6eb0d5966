#include "win/monitor.h"

#include <shellscalingapi.h>

MonitorPlace monitor_place_at(POINT point) {
    const HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    MonitorPlace place;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    place.work = GetMonitorInfoW(monitor, &info)
                     ? Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom}
                     : Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    UINT dpi_x = 0, dpi_y = 0;
    if (SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) && dpi_x != 0) place.dpi = dpi_x;
    return place;
}
