#pragma once
// Scroll stitching: finds by how many rows a frame moved against the last accepted one and
// appends the rows that came into view. Pixels are 32-bit values whose low 24 bits are the colour;
// the fourth byte never takes part in a comparison.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr uint32_t COLOUR_MASK = 0xFFFFFF;
inline constexpr int32_t SCROLL_MARGIN_COLUMNS = 24;      // right edge left out of signatures
inline constexpr int32_t SCROLL_MARGIN_MIN_WIDTH = 200;   // narrower frames have no margin

enum class ScrollMatchKind : uint8_t { Added, Same, Back, Lost };

struct ScrollMatch {
    ScrollMatchKind kind = ScrollMatchKind::Same;
    int32_t shift = 0;  // rows moved (Added and Back)
    friend bool operator==(const ScrollMatch&, const ScrollMatch&) = default;
};

// The log name: "Added(40)", "Same", "Back", "Lost".
std::string scroll_match_name(ScrollMatch m);

struct StitchState {
    std::vector<uint32_t> stitched;             // rows of x1 - x0 pixels
    std::vector<uint32_t> previous;             // the reference frame
    std::vector<uint64_t> previous_signatures;  // one per reference row
    std::vector<uint8_t> previous_uniform;      // one per reference row
    std::vector<uint32_t> margin_changes;       // 24 counters, none below SCROLL_MARGIN_MIN_WIDTH
    int32_t frame_width = 0;
    int32_t rows = 0;
    int32_t x0 = 0, x1 = 0;                     // frame columns kept in the stitched image
    int32_t committed_row = 0;                  // reference row up to which the image is final
};

inline int32_t scroll_margin(int32_t width) {
    return width >= SCROLL_MARGIN_MIN_WIDTH ? SCROLL_MARGIN_COLUMNS : 0;
}

// FNV-1a 64 with each pixel's colour taken as one value.
uint64_t row_signature(const uint32_t* row, int32_t count);
bool row_uniform(const uint32_t* row, int32_t count);

// Signatures and uniform flags of every row over columns [0, width - margin).
void frame_signatures(std::span<const uint32_t> frame, int32_t width, int32_t rows,
                      std::vector<uint64_t>& signatures, std::vector<uint8_t>& uniform);

// Columns [first, end) of every row. Out-of-range columns are clamped to the frame.
std::vector<uint32_t> crop_columns(std::span<const uint32_t> pixels, int32_t width, int32_t first, int32_t end);

// The stitched image's columns within a frame of the scrolling columns: the region's columns
// [region_first, region_end) (in capture columns) intersected with the scrolling columns
// [left, end), counted from left; all scrolling columns when they do not meet.
struct ColumnRange {
    int32_t first = 0, end = 0;
    friend bool operator==(const ColumnRange&, const ColumnRange&) = default;
};
ColumnRange stitch_columns(ColumnRange region, ColumnRange scrolling);

// The state over a reference frame already cut to the scrolling columns. Requires
// 0 <= x0 < x1 <= width, rows >= 1 and a frame of width * rows pixels.
StitchState make_stitch_state(std::span<const uint32_t> reference, int32_t width, int32_t rows, int32_t x0,
                              int32_t x1);

// Compares a frame of the state's size with the reference, appends what came into view and makes
// it the reference where the outcome says so. A frame of another size is Lost and changes nothing.
ScrollMatch stitch_next_frame(StitchState& state, std::span<const uint32_t> frame);

// Cuts the stitched image back so that it ends at reference row b, then appends the frame's rows
// from row c on (columns x0..x1).
void append_frame_rows(StitchState& state, std::span<const uint32_t> frame, int32_t b, int32_t c);

int32_t stitched_height(const StitchState& state);

// The right edge of the result: the first right-margin column that changed while scrolling cuts
// the image two columns before it. The stitched image's columns to keep, counted from x0.
int32_t stitched_result_width(const StitchState& state);
