#pragma once
// The payload of WM_APP_QR_DONE. Platform-free.
#include <string>
#include <vector>

#include "util/geometry.h"

struct QrScanResult {
    std::vector<std::string> texts;  // in the order found, no two equal; possibly none
    Rect placement;
};
