#pragma once
// The small rules of a scrolling capture: what it grabs, how far the mouse may stray while
// auto-scroll runs, how tall the image may grow, the keys and buttons, the status texts and the
// preview's placement.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "frame/frame_types.h"
#include "strings/tables.h"
#include "util/geometry.h"

inline constexpr int32_t SCROLL_MIN_SIDE = 8;
inline constexpr int64_t SCROLL_MAX_PIXELS = 25000000;
inline constexpr int32_t SCROLL_MAX_ROWS_CAP = 30000;


// The visible part of the window under the region, around the region: `windows` are the
// top-level windows' rectangles, topmost first; `monitor` is the monitor nearest the region's
// centre. The region itself when no window holds its centre.
Rect scroll_capture_rect(const Rect& region, std::span<const Rect> windows, const Rect& monitor);

// Where the frame shows in grabs only the region is grabbed, inside the ring; `windows` (the
// strip, the preview) take away the rows they cover: the strip sits inside a region that fills
// the work area. The part above or below a window, whichever is taller; the region as it is
// when that would leave fewer than SCROLL_MIN_SIDE rows.
Rect region_clear_of(const Rect& region, std::span<const Rect> windows);

Point32 region_centre(const Rect& region);
uint32_t mouse_tolerance(const Rect& region);
int32_t scroll_max_rows(int32_t region_width);

enum class ScrollCommand : uint8_t { None, Cancel, ToggleAuto, Copy, Pin, Save };

// Virtual-key codes: Esc, Space, Enter, Ctrl+C, P, F3, Ctrl+S.
ScrollCommand scroll_key_action(uint32_t vk, bool ctrl);
// Frame buttons: 1 Auto-scroll, 2 Cancel, 3 Pin, 4 Save, 5 Copy.
ScrollCommand scroll_button_action(int32_t id);
// The frame's buttons in that order, Copy last (the primary one): "Cancel  Esc", "Copy  Enter".
std::vector<FrameButton> scroll_frame_buttons(const UiStrings& table);

enum class ScrollStatusKind : uint8_t { Hint, AutoRunning, EndReached, MaxLength, TooFast, Size };

struct ScrollStatus {
    ScrollStatusKind kind = ScrollStatusKind::Hint;
    int32_t width = 0, height = 0;  // Size, EndReached and MaxLength
    bool alert() const { return kind == ScrollStatusKind::MaxLength || kind == ScrollStatusKind::TooFast; }
    friend bool operator==(const ScrollStatus&, const ScrollStatus&) = default;
};

// "Reached the end" and "Maximum length reached" are followed by the size, as in
// "Reached the end  ·  444 × 3052".
std::string scroll_status_text(const ScrollStatus& status, const UiStrings& table);
// Every text the status may show, the widest size included: what the strip is made wide for.
std::vector<std::string> scroll_status_samples(const UiStrings& table);

// The bottom rows of a source image scaled to the preview's width, aligned to its bottom.
struct PreviewPlacement {
    int32_t first_row = 0, rows = 0;        // source rows shown (rows 0: nothing to draw)
    int32_t dest_y = 0, dest_height = 0;    // in the preview's client area, full width
    friend bool operator==(const PreviewPlacement&, const PreviewPlacement&) = default;
};
PreviewPlacement preview_placement(int32_t source_width, int32_t source_rows, int32_t client_width,
                                   int32_t client_height);
