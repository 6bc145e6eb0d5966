#pragma once
// The personal-data scan over recognised lines, and the mapping of its rectangles back to the
// selection. Platform-free.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ocr/ocr_types.h"
#include "redact/redact_line.h"
#include "redact/redact_types.h"

// Ranges sorted by start, each joined with the one before when it starts at or before its end.
std::vector<TextRange> merge_ranges(std::vector<TextRange> ranges);

// The box of the range's word characters (each a slice of its word's width), padded by a
// quarter of its height left and right and a fifth above and below; none when the range
// holds no word character.
std::optional<CoverRect> range_cover(const LineText& text, const OcrLine& line, TextRange range);

// One line's scan: its text, the merged ranges and their rectangles (pixels of the OcrImage).
struct LineScan {
    LineText text;
    std::vector<TextRange> ranges;
    std::vector<CoverRect> rects;
};
LineScan scan_line(const OcrLine& line);

// The rectangles to cover, line after line, in pixels of the recognised OcrImage.
class RedactDetect {
public:
    explicit RedactDetect(std::span<const OcrLine> lines) : lines_(lines) {}
    std::optional<CoverRect> next();

private:
    std::span<const OcrLine> lines_;
    size_t line_ = 0;
    std::vector<CoverRect> pending_;
    size_t at_ = 0;
};
std::vector<CoverRect> redact_collect(std::span<const OcrLine> lines);

// A rectangle of the OcrImage in pixels of the selection it was made from: the 16-pixel
// margin taken off, divided by the scale, clipped to width x height. None when nothing of it
// is left inside (or the scale is not a positive number).
std::optional<CoverRect> map_redact_rect(const CoverRect& r, float scale, float width, float height);
std::vector<CoverRect> map_redact_rects(std::span<const CoverRect> rects, float scale, float width, float height);

// "redact done: Ok(N)" or "redact done: Err(\"...\")".
std::string redact_done_log_line(const RedactResult& result);
