#pragma once
// The scroll target's picture, shared by the target exe (which paints it) and the tests (which
// compare a stitched capture with it). Platform-free and header-only.
//
// Client area, top to bottom: a fixed header band, the view, a fixed footer band. Left of the
// view a fixed textured side bar; in the right 24 pixels a track with a thumb that moves as the
// view scrolls. The view shows the document pane: a blank gutter on each side of rows of
// hash-derived colours, with blank rows, rule rows that repeat all through, and paragraphs that
// repeat earlier ones. One wheel notch scrolls NOTCH_ROWS; scrolling stops at either end.
#include <algorithm>
#include <cstdint>

namespace scroll_target {

inline constexpr int32_t CLIENT_WIDTH = 640;
inline constexpr int32_t CLIENT_HEIGHT = 480;
inline constexpr int32_t HEADER_ROWS = 32;
inline constexpr int32_t FOOTER_ROWS = 20;
inline constexpr int32_t SIDEBAR_COLUMNS = 72;
inline constexpr int32_t TRACK_COLUMNS = 24;
inline constexpr int32_t THUMB_INSET = 2;  // a thumb this close to the track edge is cut off whole
inline constexpr int32_t GUTTER_COLUMNS = 16;
inline constexpr int32_t VIEW_ROWS = CLIENT_HEIGHT - HEADER_ROWS - FOOTER_ROWS;
inline constexpr int32_t DOC_WIDTH = CLIENT_WIDTH - SIDEBAR_COLUMNS - TRACK_COLUMNS;
inline constexpr int32_t DOC_ROWS = 3000;
inline constexpr int32_t NOTCH_ROWS = 40;
inline constexpr int32_t MAX_SCROLL = DOC_ROWS - VIEW_ROWS;
inline constexpr int32_t LINE_ROWS = 20;  // one line of "text": 14 rows of marks, 6 blank

inline constexpr uint32_t PAPER = 0xFFFFFF;
inline constexpr uint32_t TRACK = 0xE6E6E6;
inline constexpr uint32_t THUMB = 0x8A8A8A;

inline uint32_t mix(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7FEB352Du;
    v ^= v >> 15;
    v *= 0x846CA68Bu;
    v ^= v >> 16;
    return v;
}

inline uint32_t mix2(uint32_t a, uint32_t b) { return mix(a * 0x9E3779B9u ^ mix(b + 0x632BE5ABu)); }

// Lines 60..64 of every 100 repeat the lines ten above them (a pasted paragraph, both copies
// in view at once).
inline int32_t source_line(int32_t line) {
    const int32_t in_block = line % 100;
    return in_block >= 60 && in_block < 65 ? line - 10 : line;
}

// A document pixel: x in [0, DOC_WIDTH), y in [0, DOC_ROWS).
inline uint32_t document_pixel(int32_t x, int32_t y) {
    if (x < GUTTER_COLUMNS || x >= DOC_WIDTH - GUTTER_COLUMNS) return PAPER;
    const int32_t line = y / LINE_ROWS, row = y % LINE_ROWS;
    if (line % 7 == 6) return row == 10 ? 0x3050A0 : PAPER;  // a rule between paragraphs
    if (row >= 14) return PAPER;
    const uint32_t key = static_cast<uint32_t>(source_line(line)) * 64u + static_cast<uint32_t>(row);
    const int32_t word = (x - GUTTER_COLUMNS) / 6;
    const uint32_t h = mix2(key, static_cast<uint32_t>(word));
    if ((h & 3) == 0) return PAPER;  // a space between words
    return h >> 8 & 0x7F7F7F;        // dark marks
}

inline int32_t thumb_rows() { return std::max(20, VIEW_ROWS * VIEW_ROWS / DOC_ROWS); }
inline int32_t thumb_top(int32_t scroll) {
    return HEADER_ROWS + (VIEW_ROWS - thumb_rows()) * scroll / MAX_SCROLL;
}

// A client pixel when the view is scrolled by `scroll` rows (0 .. MAX_SCROLL).
inline uint32_t client_pixel(int32_t x, int32_t y, int32_t scroll) {
    if (y < HEADER_ROWS) return 0x202830 + (mix2(static_cast<uint32_t>(x / 8), static_cast<uint32_t>(y / 8)) & 0x1F1F1F);
    if (y >= CLIENT_HEIGHT - FOOTER_ROWS)
        return 0x404850 + (mix2(static_cast<uint32_t>(x / 5), static_cast<uint32_t>(y)) & 0x0F0F0F);
    if (x < SIDEBAR_COLUMNS) return 0x806040 + (mix2(static_cast<uint32_t>(x), static_cast<uint32_t>(y)) & 0x3F3F3F);
    if (x >= CLIENT_WIDTH - TRACK_COLUMNS) {
        const bool in_thumb = x >= CLIENT_WIDTH - TRACK_COLUMNS + THUMB_INSET && x < CLIENT_WIDTH - THUMB_INSET &&
                              y >= thumb_top(scroll) && y < thumb_top(scroll) + thumb_rows();
        return in_thumb ? THUMB : TRACK;
    }
    return document_pixel(x - SIDEBAR_COLUMNS, scroll + y - HEADER_ROWS);
}

// The whole document as a capture of the full client area stitches it: the header band, every
// document row, the footer band, over the pane's columns. x in [0, DOC_WIDTH), y in
// [0, EXPECTED_ROWS).
inline constexpr int32_t EXPECTED_ROWS = HEADER_ROWS + DOC_ROWS + FOOTER_ROWS;
inline uint32_t expected_pixel(int32_t x, int32_t y) {
    if (y < HEADER_ROWS) return client_pixel(x + SIDEBAR_COLUMNS, y, 0);
    if (y >= HEADER_ROWS + DOC_ROWS) return client_pixel(x + SIDEBAR_COLUMNS, y - DOC_ROWS + VIEW_ROWS, MAX_SCROLL);
    return document_pixel(x, y - HEADER_ROWS);
}

inline int32_t scrolled(int32_t scroll, int32_t notches_down) {
    return std::clamp(scroll + notches_down * NOTCH_ROWS, 0, MAX_SCROLL);
}

}  // namespace scroll_target
