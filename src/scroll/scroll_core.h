#pragma once
// A scrolling capture as a state machine: fed one grab of the capture rectangle per tick and a
// clock, it answers what the window side does next (status, wheel notch, preview, log lines, the
// end). The window side only grabs, sends input and draws.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scroll/scroll_rules.h"
#include "scroll/stitch.h"
#include "util/geometry.h"

inline constexpr uint32_t SCROLL_WARMUP_TICKS = 6;
inline constexpr uint32_t SCROLL_TIMER_MS = 16;
inline constexpr int64_t AUTO_SCROLL_INTERVAL_MS = 400;
inline constexpr int64_t SCROLL_END_IDLE_MS = 1500;  // no progress for this long ...
inline constexpr uint32_t SCROLL_END_NOTCHES = 4;    // ... and this many fruitless notches: the end
inline constexpr uint32_t SCROLL_UNCHANGED_NOTCH = 4;  // more unchanged frames than this: notch now

struct ScrollImage {
    std::vector<uint32_t> pixels;  // top-down rows of `width`
    int32_t width = 0, height = 0;
};

// Rows of a stitched image without a copy; valid until the next call that changes the core.
struct ScrollImageView {
    std::span<const uint32_t> pixels;
    int32_t width = 0, rows = 0;
};

struct ScrollFrames {
    std::vector<uint32_t> reference, current;
    int32_t width = 0, height = 0;
};

struct ScrollActions {
    std::optional<ScrollStatus> status;
    std::optional<Point32> move_cursor;
    bool notch = false;        // send one wheel notch down at the cursor
    bool preview = false;      // redraw the preview from preview_source()
    bool end_reached = false;  // auto-scroll stopped at the end of the page
    std::vector<std::string> log;
    std::optional<ScrollFrames> dump;  // the frames the scrolling columns were found in
};

enum class ScrollPhase : uint8_t { NoFrame, ReferenceHeld, Stitching };

class ScrollCore {
public:
    // None when the region is under SCROLL_MIN_SIDE in either direction. A capture rectangle
    // that does not hold the region is replaced by the region.
    static std::optional<ScrollCore> start(const Rect& region, const Rect& capture, bool dump_frames = false);

    // One timer tick: false while the warm-up lasts (nothing to grab), true when a grab is due.
    bool begin_tick();
    // A grab of the capture rectangle (width * height pixels; another size is skipped like a
    // failed grab), the time in milliseconds and the cursor position.
    ScrollActions on_grab(std::span<const uint32_t> pixels, int64_t now_ms, Point32 cursor);
    ScrollActions toggle_auto(int64_t now_ms);

    // The image so far: none before the first frame or when no row lies inside the region.
    std::optional<ScrollImage> result_image() const;
    // The stitched image (or the region copy) cut to the region's rows, for the preview.
    ScrollImageView preview_source() const;

    std::string start_log() const;
    ScrollPhase phase() const { return phase_; }
    bool auto_scrolling() const { return auto_time_.has_value(); }
    bool at_max_length() const { return max_length_; }
    std::optional<ColumnRange> scrolling_columns() const { return columns_; }
    const Rect& region() const { return region_; }
    const Rect& capture() const { return capture_; }
    int32_t max_rows() const { return max_rows_; }
    uint32_t tolerance() const { return tolerance_; }

private:
    ScrollCore(const Rect& region, const Rect& capture, bool dump_frames);
    void take_frame(std::span<const uint32_t> pixels, int64_t now_ms, ScrollActions& a);
    ScrollMatch detect_columns(std::span<const uint32_t> pixels, ScrollActions& a);
    ScrollMatch match_in_place(std::span<const uint32_t> pixels);
    void report(ScrollMatch m, int64_t now_ms, ScrollActions& a);
    void auto_step(int64_t now_ms, ScrollActions& a);
    int32_t visible_width() const;
    int32_t visible_height() const;
    ScrollImageView stitched_rows() const;

    ScrollPhase phase_ = ScrollPhase::NoFrame;
    std::optional<ColumnRange> columns_;
    std::vector<uint32_t> reference_;    // whole frames, while the columns are not known
    std::vector<uint32_t> region_copy_;  // the reference cut to the region columns
    std::optional<StitchState> stitch_;
    int32_t frame_width_ = 0, frame_height_ = 0;
    ColumnRange region_columns_;
    std::vector<uint32_t> last_grab_;
    std::optional<int64_t> auto_time_;  // the last notch; none while auto-scroll is off
    int64_t last_progress_ = 0;
    Point32 cursor_point_;
    uint32_t tolerance_ = 0;
    uint32_t notches_ = 0;
    uint32_t unchanged_ = 0;
    Rect region_, capture_;
    int32_t max_rows_ = 0;
    uint32_t warmup_left_ = SCROLL_WARMUP_TICKS;
    bool max_length_ = false;
    bool dump_frames_ = false;
};
