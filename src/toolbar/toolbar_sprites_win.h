#pragma once
// Glyphs and option-cell marks are drawn once with GDI+ into small premultiplied sprites and
// then alpha-blended wherever they are needed: an anti-aliased GDI+ shape costs far more than
// a blend, and the toolbar is painted again on every hover change. UI thread only.
#include <windows.h>

#include "toolbar/toolbar_paint.h"

// False when the sprite could not be made (no GDI+) or blended.
bool blend_glyph(HDC dc, ToolbarItem item, bool pin_edit, const Rect& button, uint32_t rgb);
bool blend_mark(HDC dc, const CellMark& mark);
