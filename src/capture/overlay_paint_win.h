#pragma once
// Painting the overlay from the open session: the layout of its parts, invalidating only what
// changed, and WM_PAINT through the back buffer clipped to the update region.
#include <windows.h>

#include <optional>
#include <string>

#include "capture/overlay_layout.h"
#include "capture/overlay_state_win.h"
#include "capture/readout_text.h"
#include "toolbar/toolbar_layout.h"
#include "toolbar/toolbar_tooltip.h"
#include "util/ui_cell.h"

// The colour readout's format; lives for the process.
extern UiCell<ColorFormat> COLOR_FORMAT;

OverlayLayout overlay_layout(const OverlayState& state);
// Recomputes the layout and invalidates the difference to the last one, with the editor's dirty
// rectangles.
void overlay_invalidate_changes(OverlayState& state);

// The toolbar of the open session, when it shows.
std::optional<ToolbarLayout> place_toolbar(const OverlayState& state);
ToolbarHit toolbar_hit_test(const OverlayState& state, int32_t x, int32_t y);
std::optional<ToolbarTooltip> toolbar_tooltip(const OverlayState& state, const ToolbarLayout& layout);

std::string size_label_text(const OverlayState& state, const Rect& rect);
// Clear of the toolbar when one shows.
Rect size_label_place(const OverlayState& state, const Rect& rect,
                      const std::optional<ToolbarLayout>& toolbar = std::nullopt);
Rect magnifier_place(const OverlayState& state);
// In the current COLOR_FORMAT.
std::string color_to_text(uint32_t rgb);
// Shift: the next colour format while the readout shows.
void cycle_color_format(OverlayState& state);

// WM_PAINT.
void paint_overlay(HWND window);
// Whether the session has the images a paint draws from: a session without them is never shown.
bool overlay_paintable(const OverlayImages& images);
// Steps 2 to 12 of a paint: the session drawn into its back buffer, clipped to the region
// (overlay coordinates; null for everything), then copied to the target DC. False when nothing
// could be painted (the target is left untouched) or the copy failed.
bool paint_session(HDC target, OverlayState& state, HRGN region);
