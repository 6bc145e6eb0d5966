#pragma once
// The overlay's parts drawn into a DC (the back buffer): selection frame and handles, the size
// label and tooltip boxes, the magnifier, and the editor's selection marks. Each returns false
// when a drawing call failed; the part is then left as far as it got.
#include <windows.h>
// Lean Windows headers leave out what gdiplus.h needs.
#include <objidl.h>

#include <gdiplus.h>

#include <string_view>
#include <vector>

#include "capture/magnifier.h"
#include "util/geometry.h"

inline constexpr uint32_t LABEL_BACKGROUND = 0x202024;

// The frame line just outside the selection and, when asked, the eight handles.
bool draw_selection_frame(HDC dc, const Rect& selection, float scale, bool handles);

// A rounded box filled and outlined in the label colour with the text in white, centred.
void draw_label_box(HDC dc, const Rect& rect, int32_t radius, std::string_view text, HFONT font);

struct MagnifierContent {
    HDC frozen = nullptr;     // the grabbed screen
    HDC highlight = nullptr;  // the 1 x 1 accent pixel
    uint32_t colour = 0;      // 0xRRGGBB under the cursor
    std::string_view coordinates;
    std::string_view colour_text;
    std::string_view hint;
};
bool draw_magnifier(HDC dc, const MagnifierGeometry& g, const MagnifierContent& content, HFONT font);

struct FloatPoint {
    float x = 0, y = 0;
};
// The dashed box around the selected annotation's bounds and its handle squares.
bool draw_annotation_selection(Gdiplus::GpGraphics* g, const Rect& bounds, const std::vector<FloatPoint>& handles,
                               float scale);
// The dashed box around the open text box (its client area, 3 pixels out).
bool draw_text_box_frame(Gdiplus::GpGraphics* g, float x, float y, int32_t width, int32_t height, float scale);
