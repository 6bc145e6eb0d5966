#pragma once
// The single overlay window: made once (cloaked, so a capture only has to uncloak it), reused
// by every session and hidden between them.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "util/ui_cell.h"

inline constexpr wchar_t OVERLAY_CLASS[] = L"OrmickOxelOverlay";

extern UiCell<HWND> OVERLAY_HWND;

// The overlay if it exists; null before it is made and once it is destroyed.
HWND live_overlay_hwnd();
// The overlay over the rectangle, made on first use (hidden from view) and reused afterwards;
// none when it cannot be created. It is never shown here uncloaked.
std::optional<HWND> overlay_window(int32_t x, int32_t y, int32_t width, int32_t height);
// Hides or shows the overlay: DWM cloaking where it works, else SW_HIDE / SW_SHOWNA.
void set_overlay_cloaked(HWND overlay, bool cloaked);
bool composition_enabled();
