#pragma once
// PrintWindow with a time limit, so that a busy source window cannot hold the UI thread.
#include <windows.h>

#include <cstdint>

#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "util/result.h"

// The part (window pixels) of the window, `width` by `height`, as PrintWindow draws it now.
// A window of this thread is drawn here. Another thread's is drawn by a worker into a bitmap
// of its own; when that takes longer than `limit_ms` the wait ends with an error, and the
// worker finishes (and frees what it made) whenever the window's thread lets it.
Result<DibBitmap> print_window_part(HWND source, int32_t width, int32_t height, const Rect& part, DWORD limit_ms);

// The error text when the window's thread did not draw within the limit.
inline constexpr const char* PRINT_NOT_ANSWERING = "the source window is not answering";
