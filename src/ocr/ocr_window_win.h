#pragma once
// The OCR result window's parts below show_ocr_window: the creation with its language list and
// re-run starter given, the control ids, and the steps the window procedure runs.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_types.h"

enum OcrControl : int {
    OCR_ID_COPY = 1,
    OCR_ID_CLOSE = 2,
    OCR_ID_KEEP_BREAKS = 3,
    OCR_ID_TRANSLATE = 4,
    OCR_ID_OPEN_LINK = 5,
    OCR_ID_LANGUAGE = 6,
    OCR_ID_LANGUAGE_LABEL = 7,
    OCR_ID_EDIT = 1000,
};

// Starts a re-run (the window's own is start_ocr_rerun; tests give their own).
using OcrRerunStarter = void (*)(OcrRerunRequest request);

struct OcrWindowSetup {
    std::string assembled;
    std::string lines;
    Rect placement;
    bool qr = false;
    std::optional<OcrImage> image;
    std::vector<OcrLanguage> languages;  // read only when there is an image
    OcrRerunStarter start_rerun = nullptr;
};

// Creates, fills and shows the window; null when it cannot be made (everything given is freed).
HWND create_ocr_window(OcrWindowSetup setup);

// The process-wide "Keep line breaks" flag (never saved).
bool ocr_keep_line_breaks();

void ocr_window_set_text(HWND window);
std::string ocr_window_get_text(HWND window);
void ocr_window_layout(HWND window);
int32_t control_text_width(HWND window, int control_id);
void ocr_window_language_changed(HWND window);
