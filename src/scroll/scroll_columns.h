#pragma once
// Which columns of the capture rectangle scroll: the content pane without fixed side bars. Runs on
// whole frames (reference and new, the same width and height) until it first finds them.
#include <cstdint>
#include <optional>
#include <span>

#include "scroll/stitch.h"

inline constexpr int32_t SCROLL_BAND_COLUMNS = 32;
inline constexpr int32_t SCROLL_MIN_COLUMNS = 16;

struct FramePair {
    std::span<const uint32_t> reference, current;
    int32_t width = 0, height = 0;
};

// The scrolling columns [left, end), or none. Frames of another size than width * height give none.
std::optional<ColumnRange> find_scroll_columns(const FramePair& frames);

// The most frequent colour over columns [first, end) and rows [lo, hi); 0 for an empty range.
uint32_t dominant_colour_in_column(std::span<const uint32_t> pixels, int32_t width, ColumnRange columns,
                                   int32_t lo, int32_t hi);

struct ColumnWalk {
    int32_t lo = 0, hi = 0;     // rows that moved
    int32_t shift = 0;
    uint32_t background = 0;
    int32_t start = 0, step = 1, limit = 0;
};

// Walks outward from the start column while each next column still moves by the shift, or is a
// plain column of a known colour; the last column taken (the start column when none is).
int32_t extend_scroll_columns(const FramePair& frames, const ColumnWalk& walk);
