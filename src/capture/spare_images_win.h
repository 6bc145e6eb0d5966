#pragma once
// The screen-sized bitmaps of the last session, kept for a short while after it ends so that a
// capture soon after reuses memory whose pages are already there: fresh pages cost a fault
// each on first touch (under Wine about 30 ms per 8 MB screen), more than the grab's own copy.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "capture/overlay_state_win.h"
#include "image/dib_bitmap_win.h"

// How long the bitmaps outlive their session; after that the memory goes back.
inline constexpr UINT SPARE_IMAGES_KEEP_MS = 10000;

struct SpareImages {
    DibBitmap frozen, dimmed, back_buffer;
};

// Keeps the frozen, dimmed and back-buffer bitmaps of an ended session when all three are there
// and of one size, and arms the overlay's timer that frees them.
void keep_spare_images(HWND overlay, OverlayImages& images);

// The kept bitmaps when they are of this size; bitmaps of another size are freed.
std::optional<SpareImages> take_spare_images(int32_t width, int32_t height);

// The timer's end: frees what is kept.
void drop_spare_images(HWND overlay);
