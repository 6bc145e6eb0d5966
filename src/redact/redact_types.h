#pragma once
// What the personal-data scan hands around. Platform-free.
#include <cstddef>
#include <vector>

#include "util/result.h"

// A rectangle to cover: pixels of the recognised image, or of the selection once mapped back.
struct CoverRect {
    float x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const CoverRect&, const CoverRect&) = default;
};

// Character positions in one line's scan text: start inclusive, end exclusive.
struct TextRange {
    size_t start = 0;
    size_t end = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// The payload of WM_APP_REDACT_DONE: the rectangles to cover in pixels of the selection, in
// the order found (possibly none), or the error whose message the user is shown.
struct RedactResult {
    Result<std::vector<CoverRect>> outcome;
};
