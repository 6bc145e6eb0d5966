#pragma once
// The OCR result window's sizes, place on screen and control layout. Platform-free.
#include <cstdint>
#include <string_view>

#include "util/geometry.h"

// trunc(v) in 32 bits: saturating at the limits, NaN giving 0.
int32_t trunc_i32(float v);
// S(v): round(v × dpi / 96) for a layout at this DPI (raised to 96 when lower), saturating.
int32_t ocr_scale(float v, uint32_t dpi);

struct OcrWindowSize {
    int32_t width = 0, height = 0;
    friend bool operator==(const OcrWindowSize&, const OcrWindowSize&) = default;
};
// 520 (Chinese and English UIs) or 720 wide, 380 high, times the monitor's DPI / 96.
OcrWindowSize ocr_window_size(std::string_view lang_code, uint32_t monitor_dpi);
// The font height: trunc(15 × DPI / 96).
int32_t ocr_font_height(uint32_t monitor_dpi);

struct OcrPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const OcrPoint&, const OcrPoint&) = default;
};
// The window's top-left: 8 px right of the placement rectangle, else left of it, else centred on
// it; level with its top; kept inside the work area.
OcrPoint ocr_window_origin(const Rect& placement, const Rect& work, OcrWindowSize size);

// A control's place in the client area (MoveWindow's x, y, width, height); sizes never negative.
struct ControlPlace {
    int32_t x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
};

// The language box before its real height is known: width and the drop-down's height.
ControlPlace ocr_language_box_place(int32_t client_width, uint32_t dpi);

struct OcrLayoutInput {
    int32_t client_width = 0, client_height = 0;
    uint32_t dpi = 96;
    bool language_box = false;
    int32_t box_height = 0;  // the language box's real height once placed
    // control_text_width of Copy and close (1), Close (2), Translate (4) and Open link (5).
    int32_t copy_text = 0, close_text = 0, translate_text = 0, open_text = 0;
};

struct OcrLayout {
    ControlPlace label, edit, close, copy, translate, keep_breaks, open_link;
};
OcrLayout ocr_window_layout_places(const OcrLayoutInput& in);
