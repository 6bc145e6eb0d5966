#pragma once
// Fonts, text and borders shared by every window (UI thread).
#include <windows.h>

#include <string_view>

#include "util/geometry.h"

// The system's form of a rectangle.
inline RECT to_rect(const Rect& r) { return {r.l, r.t, r.r, r.b}; }

// The UI font of that pixel height (bold: weight 600), created once and kept for the process.
HFONT ui_font(int32_t height, bool bold);
SIZE text_extent(HDC dc, HFONT font, std::string_view text);
// One line, vertically centred, no prefix processing; the caller adds alignment flags.
void draw_text(HDC dc, HFONT font, std::string_view text, RECT rect, COLORREF colour, UINT flags);
// A border of the given thickness inside the rectangle, painted with the DC brush.
void fill_rect_color(HDC dc, const Rect& rect, int32_t thickness, COLORREF colour);
