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
#include "util/log.h"
#include "win/handles.h"

namespace {

std::string hex(DWORD v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%lX", static_cast<unsigned long>(v));
    return buf;
}

}  // namespace

Status print_bitmap(HDC printer, const DibBitmap& image) {
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"Ormick Oxel";
    if (StartDocW(printer, &doc) <= 0) return make_error("StartDoc failed", GetLastError());
    if (StartPage(printer) <= 0) {
        const DWORD error = GetLastError();
        AbortDoc(printer);
        return make_error("StartPage failed", error);
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
    StretchDIBits(printer, place->l, place->t, place->width(), place->height(), 0, 0, image.width, image.height,
                  image.bits, &info, DIB_RGB_COLORS, SRCCOPY);
    if (EndPage(printer) <= 0) {
        const DWORD error = GetLastError();
        AbortDoc(printer);
        return make_error("EndPage failed", error);
    }
    if (EndDoc(printer) <= 0) return make_error("EndDoc failed", GetLastError());
    return {};
}

void print_pin_image(HWND window) {
    const PinRecord* pin = find_pin(window);
    if (!pin || !pin->shown_image()) return;
    const DibBitmap& shown = *pin->shown_image();
    const std::optional<DibBitmap> copy = crop_bitmap(shown, Rect{0, 0, shown.width, shown.height});
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
        // 0 is a cancel, or (under Wine) no printer after the dialog said so; anything else is a
        // failure the dialog may not have shown.
        debug_log("print dialog ended without printing: " + hex(CommDlgExtendedError()));
        return;
    }
    if (!printer) return;
    if (const Status printed = print_bitmap(printer.get(), *copy); !printed)
        debug_log("print failed: " + printed.error().message +
                  (printed.error().code ? " (" + std::to_string(*printed.error().code) + ")" : std::string()));
}
