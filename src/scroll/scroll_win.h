#pragma once
// Scrolling capture: a region followed while it scrolls, by the user's wheel or by auto-scroll's
// wheel notches, and stitched into one tall image that is copied, pinned or saved. The region
// frame shows its status, buttons and a preview; its timer drives the session. UI thread only.
#include <optional>
#include <string>

#include "frame/frame_types.h"
#include "scroll/scroll_core.h"
#include "scroll/scroll_rules.h"
#include "util/geometry.h"
#include "util/ui_cell.h"

// The running session (none or one); the shell refuses to start a capture while it exists.
struct ScrollSession {
    ScrollCore core;
};
extern UiCell<std::optional<ScrollSession>> SCROLL_SESSION;

// Where "--scroll-test" wants the image: written, and taken out, when auto-scroll reaches the end.
extern UiCell<std::optional<std::string>> SCROLL_OUT;

// Whether a scrolling capture session runs (no capture starts meanwhile).
bool scroll_session_active();

// The overlay's scrolling capture of `region` (screen coordinates). Nothing starts for a region
// under 8 px in either direction or while a region frame is shown.
void start_scroll_capture(const Rect& region);

// The frame's callback: its buttons, keys and timer ticks.
void on_scroll_frame_event(FrameEvent event);

// Auto-scroll on (the cursor goes to the region's centre) or off; nothing without a session.
void toggle_auto_scroll();

// One 16 ms timer tick: grab, compare, stitch, notch, preview.
void scroll_tick();

// The image so far; none without a session, before the first frame, or when no row is inside
// the region.
std::optional<ScrollImage> scroll_result_image();

// Ends the session and hides the frame. With `ok`, Copy, Save and Pin hand the image on (with a
// balloon and a copy in the history); without it, or with another command, nothing is kept.
void finish_scroll_capture(bool ok, ScrollCommand action);

// The image written to the path SCROLL_OUT holds (the path is taken out); nothing when it holds
// none. The outcome goes to the log.
void write_scroll_out();
