#include "capture/overlay_paint_win.h"

#include "capture/overlay_state_win.h"
#include "win/handles.h"

void paint_overlay(HWND window) {
    const PaintDc paint(window);
    if (!paint) return;
    const RECT& r = paint.area();
    bool painted = false;
    if (auto cell = OVERLAY_SESSION.try_borrow()) {
        const std::optional<OverlayState>& session = **cell;
        if (session && session->window == window && session->images.dimmed) {
            painted = BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                             session->images.dimmed->hdc(), r.left, r.top, SRCCOPY) != FALSE;
        }
    }
    if (!painted) FillRect(paint.get(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
