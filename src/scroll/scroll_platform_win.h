#pragma once
// The scrolling capture's calls into the system: what to grab, the wheel notch, the preview's
// bitmap, the result as a bitmap and the dumped frames. UI thread only.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "image/dib_bitmap_win.h"
#include "scroll/scroll_core.h"
#include "util/geometry.h"

// The visible part of the window under the region's centre, around the region, within the
// monitor nearest that centre; the region itself when no window holds the centre. The overlay
// is left out: under a failed cloak it would cover every screen.
Rect find_capture_rect(const Rect& region);

// One wheel notch down (towards the user) at the cursor, through the system's input stream,
// so the window under the cursor sees it like a user's wheel.
void send_wheel_notch();

// The preview's picture: the bottom rows of `source` scaled to the client's width (HALFTONE),
// aligned to the bottom, on the preview's dark background. None for an empty client.
std::optional<DibBitmap> render_scroll_preview(const ScrollImageView& source, int32_t client_width,
                                               int32_t client_height);

// A bitmap holding the image's pixels; none when it cannot be made.
std::optional<DibBitmap> dib_from_scroll_image(const ScrollImage& image);

// The frames the scrolling columns were found in, as ormick-scroll-a.png (the reference) and
// ormick-scroll-b.png (the new frame) in the temp folder; a failure goes to the log.
void dump_scroll_frames(const ScrollFrames& frames);
