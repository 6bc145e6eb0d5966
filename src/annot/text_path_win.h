#pragma once
// Shared by the annotation drawing files: outlined text in the annotation font.
#include <optional>
#include <string_view>

#include "gdip/gdip_win.h"

// The family outlined text is drawn in; none when GDI+ knows none of the faces.
const Gdiplus::GpFontFamily* annotation_font_family();
// The text's outline, bold, top-left at (x, y); none when there is nothing to outline.
std::optional<GdipPath> outline_path(std::string_view text, float em_size, float x, float y);
// The path's world bounds; a failure is logged.
std::optional<Gdiplus::RectF> path_bounds(Gdiplus::GpPath* path);
