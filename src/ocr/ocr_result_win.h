#pragma once
// The OCR result window (also the window of decoded QR texts).
#include <windows.h>

#include <optional>
#include <string>

#include "ocr/ocr_types.h"
#include "win/window.h"

// Opens a result window near `placement` (screen coordinates). The texts and the image move
// in; `qr` gives the window its QR role, which has no image.
void show_ocr_window(std::string assembled, std::string lines, Rect placement, bool qr, std::optional<OcrImage> image);

extern const WindowClass OCR_WINDOW_CLASS;

// For the message loop: a key for an OCR window goes through IsDialogMessageW, so Tab and
// Shift+Tab move between its controls. True when the message was handled.
bool ocr_window_dialog_message(MSG& message);
