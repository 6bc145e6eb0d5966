#pragma once
// Painting the toolbar: frames, separators and fills with GDI, glyphs and cell marks with GDI+.
#include <windows.h>
// Lean Windows headers leave out what gdiplus.h needs.
#include <objidl.h>

#include <gdiplus.h>

#include "toolbar/toolbar_paint.h"

// Paints the toolbar and its option row. The glyphs and cell marks are left out when GDI+
// cannot draw them; the result then is false.
bool draw_toolbar(HDC dc, const ToolbarLayout& layout, const ToolbarPaintState& state, HFONT font);

// A 0xRRGGBB colour as GDI takes it (0x00BBGGRR).
inline COLORREF colorref(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// A rounded rectangle filled and outlined in 0xRRGGBB colours (GDI).
void draw_rounded_rect(HDC dc, const Rect& rect, int32_t radius, uint32_t fill, uint32_t outline);

// One item's glyph in the button's rectangle, in the colour 0xRRGGBB.
void draw_glyph(Gdiplus::GpGraphics* graphics, ToolbarItem item, bool pin_edit, const Rect& button, uint32_t rgb);
// An option cell's mark centred on (cx, cy) rather than on its own centre.
void draw_cell_mark(Gdiplus::GpGraphics* graphics, const CellMark& mark, float cx, float cy);
