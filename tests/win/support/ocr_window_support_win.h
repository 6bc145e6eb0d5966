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
inline std::vector<HWND> ocr_windows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM out) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (std::wstring(name) == L"OrmickOxelOcr") reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline void close_ocr_windows() {
    for (HWND w : ocr_windows()) DestroyWindow(w);
}

inline std::string edit_text(HWND ocr) { return window_text(GetDlgItem(ocr, OCR_ID_EDIT)); }

}  // namespace test_support
