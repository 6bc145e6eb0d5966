#pragma once
// The OCR result window (also the window of decoded QR texts).
#include <windows.h>

#include <optional>
#include <string>

#include "ocr/ocr_types.h"

// Opens a result window near `placement` (screen coordinates). The texts and the image move
// in; `qr` gives the window its QR role, which has no image.
void show_ocr_window(std::string assembled, std::string lines, Rect placement, bool qr, std::optional<OcrImage> image);

LRESULT CALLBACK ocr_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
