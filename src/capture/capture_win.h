#pragma once
// Capture sessions and the full-screen overlay.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "annot/annotation.h"
#include "capture/timing.h"
#include "image/dib_bitmap_win.h"
#include "win/window.h"

// A pin whose image the overlay opens for editing.
struct PinEditRequest {
    HWND pin = nullptr;
    RECT window_rect{};
    std::optional<DibBitmap> image;               // a copy of the pin's base image
    std::vector<Annotation> annotations;          // pin image coordinates
    int32_t x = 0, y = 0;                         // screen position of the image's top-left (inside the border)
};

// Freezes every monitor in the overlay; with a request, edits that pin's annotations.
// Nothing happens while a capture shows or a region frame (recording, scrolling capture) is up.
void begin_capture(std::optional<PinEditRequest> request);
// True while a session is open and its overlay window exists (or the session is in use).
bool capture_session_showing();
// A capture whose first confirmed selection goes straight to the clipboard.
void start_capture_copy();
// "--bench": with bench mode on, every session closes itself once shown and keeps its phase
// marks, which capture_timing_runs returns (one run per session, oldest first).
void set_capture_bench_mode(bool on);
std::vector<TimingRun> capture_timing_runs();
// Start-up: the overlay made ahead (cloaked) and the UI Automation worker started.
void overlay_prewarm();

// OrmickOxelOverlay, registered at start-up.
extern const WindowClass OVERLAY_WINDOW_CLASS;
