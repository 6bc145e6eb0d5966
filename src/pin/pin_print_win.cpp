// Printing a pin's shown image on one page: centred across the top, at most as large as 96 DPI
// would make it.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <optional>

#include "image/bitmap_ops_win.h"
#include "pin/pin_actions_win.h"
#include "pin/pin_geometry.h"
#include "pin/pin_window_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/shell.h"

namespace {

std::string hex(DWORD v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%lX", static_cast<unsigned long>(v));
    return buf;
}

// What the user is told: the step, and the system's reason when it gave one.
Error step_failed(const char* step, DWORD error) {
    return error ? error_from_win32(error, step) : make_error(step);
}

}  // namespace

Status print_bitmap(HDC printer, const DibBitmap& image) {
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"Ormick Oxel";
    if (StartDocW(printer, &doc) <= 0) return step_failed("StartDoc failed", GetLastError());
    if (StartPage(printer) <= 0) {
        const DWORD error = GetLastError();
        AbortDoc(printer);
        return step_failed("StartPage failed", error);
    }
    const std::optional<Rect> place =
        print_placement(image.width, image.height, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
                        GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY));
    if (!place) {
        AbortDoc(printer);
        return make_error("the printer reports no page size");
    }
    GdiFlush();
    const BITMAPINFO info = top_down_dib_info(image.width, image.height);
    const int drawn = StretchDIBits(printer, place->l, place->t, place->width(), place->height(), 0, 0, image.width,
                                    image.height, image.bits, &info, DIB_RGB_COLORS, SRCCOPY);
    // A page without its picture is not a print: the job is withdrawn.
    if (drawn <= 0) {  // 0, or GDI_ERROR as an int
        const DWORD error = GetLastError();
        AbortDoc(printer);
        return step_failed("StretchDIBits failed", error);
    }
    if (EndPage(printer) <= 0) {
        const DWORD error = GetLastError();
        AbortDoc(printer);
        return step_failed("EndPage failed", error);
    }
    if (EndDoc(printer) <= 0) return step_failed("EndDoc failed", GetLastError());
    return {};
}

void print_pin_image(HWND window) {
    const PinRecord* pin = find_pin(window);
    if (!pin || !pin->shown_image()) return;
    const std::optional<DibBitmap> copy = pin_image_copy(*pin->shown_image(), ui_text(PRINT_FAILED));
    if (!copy) return;

    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
    // A modal dialog: the pin may close meanwhile, the copy stays ours.
    const BOOL chosen = PrintDlgW(&dialog);
    const GlobalMemory dev_mode(dialog.hDevMode), dev_names(dialog.hDevNames);
    const MemoryDc printer(dialog.hDC);
    if (!chosen) {
        // 0 is a cancel, or (under Wine) no printer after the dialog said so; anything else (no
        // printer, a dialog that could not start) is a failure the dialog may not have shown.
        const DWORD error = CommDlgExtendedError();
        debug_log("print dialog ended without printing: " + hex(error));
        if (error != 0) tray_balloon(ui_text(PRINT_FAILED), "PrintDlg " + hex(error));
        return;
    }
    if (!printer) return tray_balloon(ui_text(PRINT_FAILED), "PrintDlg: no printer DC");
    if (const Status printed = print_bitmap(printer.get(), *copy); !printed) {
        debug_log("print failed: " + printed.error().message +
                  (printed.error().code ? " (" + std::to_string(*printed.error().code) + ")" : std::string()));
        tray_balloon(ui_text(PRINT_FAILED), printed.error().message);
    }
}
