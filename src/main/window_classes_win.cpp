#include "main/window_classes_win.h"

#include "capture/capture_win.h"
#include "frame/frame_win.h"
#include "livepin/livepin_win.h"
#include "main/shell_win.h"
#include "ocr/ocr_result_win.h"
#include "pin/pins_win.h"
#include "prefs/prefs_win.h"
#include "win/handles.h"

namespace {

struct ClassSpec {
    const wchar_t* name;
    WNDPROC proc;
    UINT style;
    const wchar_t* cursor;  // a system cursor id, or none
    bool program_icon;
    HBRUSH background;
};

// Lives as long as the classes that show it, that is, the process.
HICON program_icon() {
    static const Icon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    return icon.get();
}

void register_class(const ClassSpec& spec) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = spec.style;
    wc.lpfnWndProc = spec.proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = spec.program_icon ? program_icon() : nullptr;
    wc.hCursor = spec.cursor ? LoadCursorW(nullptr, spec.cursor) : nullptr;
    wc.hbrBackground = spec.background;
    wc.lpszClassName = spec.name;
    RegisterClassExW(&wc);
}

}  // namespace

void register_window_classes() {
    const HBRUSH button_face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    const ClassSpec specs[] = {
        {L"OrmickOxelOverlay", overlay_wndproc, CS_DBLCLKS, IDC_CROSS, false, nullptr},
        {L"OrmickOxelPin", pin_wndproc, CS_DBLCLKS, IDC_ARROW, false, nullptr},
        {L"OrmickOxelOcr", ocr_window_proc, 0, IDC_ARROW, true, button_face},
        {L"OrmickOxelFrame", frame_wndproc, 0, IDC_ARROW, false, nullptr},
        {L"OrmickOxelLive", livepin_wndproc, CS_DBLCLKS, IDC_SIZEALL, false, nullptr},
        {L"OrmickOxelPrefs", prefs_window_proc, 0, IDC_ARROW, true, nullptr},
        {L"OrmickOxelHotkey", hotkey_control_proc, 0, IDC_IBEAM, false, nullptr},
    };
    for (const ClassSpec& spec : specs) register_class(spec);
}

void register_main_window_class() {
    register_class({L"OrmickOxelMain", main_window_proc, 0, nullptr, false, nullptr});
}
