// Placeholder until the OCR result window lands.
#include "ocr/ocr_result_win.h"
#include "util/log.h"

void show_ocr_window(std::string, std::string, Rect, bool, std::optional<OcrImage>) {
    debug_log("not available in this build: show_ocr_window");
}

const WindowClass OCR_WINDOW_CLASS{L"OrmickOxelOcr", DefWindowProcW, 0, IDC_ARROW, true,
                                   reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))};
