#pragma once
// Shared by the Win32 tests that open OCR result windows: the class registered once, the
// windows of this thread found by class, and their controls read back.
#include <windows.h>

#include <string>
#include <vector>

#include "ocr/ocr_result_win.h"
#include "ocr/ocr_window_win.h"
#include "util/text.h"

#include "test_support_win.h"

namespace test_support {

inline void ensure_ocr_window_class() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), OCR_WINDOW_CLASS.name, &wc)) register_window_class(OCR_WINDOW_CLASS);
}

// This thread's OCR windows, newest first.
inline std::vector<HWND> ocr_windows() { return thread_windows_of_class(L"OrmickOxelOcr"); }

inline void close_ocr_windows() {
    for (HWND w : ocr_windows()) DestroyWindow(w);
}

inline std::string edit_text(HWND ocr) { return window_text(GetDlgItem(ocr, OCR_ID_EDIT)); }

}  // namespace test_support
