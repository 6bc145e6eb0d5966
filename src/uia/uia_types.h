#pragma once
// What the capture session asks the UI Automation worker and what comes back.
// Window handles travel as integers so that this header needs no Windows header.
#include <cstdint>
#include <vector>

#include "util/geometry.h"

struct UiaRequest {
    int32_t x = 0;  // screen coordinates
    int32_t y = 0;
    uintptr_t window = 0;  // top-level window to query; 0: the one under the point
    uintptr_t target = 0;  // window that receives WM_APP_UIA_RESULT
    uintptr_t id = 0;      // sent back as wParam
};

// Payload of WM_APP_UIA_RESULT.
struct UiaResult {
    std::vector<Rect> rects;  // screen coordinates, innermost element first, the window's last
    uintptr_t root = 0;       // the window that was queried
    int32_t x = 0;            // the request's point
    int32_t y = 0;
};
