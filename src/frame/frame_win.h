#pragma once
// The region frame around a recorded or scrolled rectangle: a click-through ring, a control
// strip with a status text and buttons, and an optional preview. At most one per process,
// kept in REGION_FRAME; UI thread only. All three windows are kept out of screen captures.
#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "frame/frame_types.h"
#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "win/window.h"

// Class OrmickOxelFrame: the ring, the strip and the preview.
extern const WindowClass FRAME_WINDOW_CLASS;

// The strip's timer: each of its ticks reaches the frame's callback as a tick event.
inline constexpr UINT_PTR FRAME_TICK_TIMER = 1;

enum class FrameRole : uint8_t { Ring, Strip, Preview };

// One window of class OrmickOxelFrame (WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | `ex_style`)
// at `rect`, excluded from capture and without an input-method context. Null on failure.
// `in_grabs` (when given) is set when the window could not be kept out of captures.
HWND frame_create(FrameRole role, DWORD ex_style, const Rect& rect, COLORREF accent = 0, bool* in_grabs = nullptr);

// Shows the frame around `rect` (screen coordinates), replacing any frame already shown.
// False when the strip could not be created: the caller then gives up and calls frame_hide.
// The caller starts FRAME_TICK_TIMER on frame_strip_hwnd() for tick events.
bool frame_show(const Rect& rect, FrameSpec spec);
// Stores the status and repaints the strip; nothing when no frame is shown or nothing changed.
void frame_set_status(std::string_view text, bool alert);
// Destroys the frame's windows (the strip's timer with them); nothing when none is shown.
void frame_hide();

bool frame_is_shown();
// Where the system cannot keep the frame out of captures (Wine; Windows 10 before 2004): the
// strip's and the preview's rectangles (screen coordinates), which grabs then contain, as does
// the ring around the framed rectangle. None when no frame is shown or captures leave it out.
std::optional<std::vector<Rect>> frame_rects_in_grabs();
// The strip window of the shown frame, for SetTimer(strip, FRAME_TICK_TIMER, ...); null when
// none is shown.
HWND frame_strip_hwnd();
// The preview window; null when the frame has none.
HWND frame_preview_hwnd();
// Replaces the image the preview shows and repaints it; nothing when no frame is shown.
void frame_set_preview(std::optional<DibBitmap> image);
