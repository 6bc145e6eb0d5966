// Placeholder until the OCR result window lands.
#include "ocr/ocr_result_win.h"
#include "util/log.h"

void show_ocr_window(std::string, std::string, Rect, bool, std::optional<OcrImage>) {
    debug_log("not available in this build: show_ocr_window");
}

LRESULT CALLBACK ocr_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}
