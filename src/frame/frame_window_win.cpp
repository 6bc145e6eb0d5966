// The frame windows' procedure: painting, hover, clicks, keys and ticks.
#include <windowsx.h>

#include "frame/frame_layout.h"
#include "frame/frame_record_win.h"
#include "win/draw.h"
#include "win/handles.h"

namespace {

Rect client_rect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void fill(HDC dc, const Rect& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    const RECT rect{r.l, r.t, r.r, r.b};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void paint_strip(HDC target, const FrameRecord& f, const Rect& client) {
    std::optional<DibBitmap> buffer = DibBitmap::create(std::max(client.width(), 1), std::max(client.height(), 1));
    if (!buffer) return;
    const HDC dc = buffer->hdc();
    fill(dc, client, FRAME_STRIP_BACKGROUND);
    fill_rect_color(dc, client, 1, FRAME_STRIP_OUTLINE);
    const Rect& s = f.status_rect;
    draw_text(dc, f.font, f.status, RECT{s.l, client.t, s.r, client.b}, f.alert ? FRAME_STATUS_ALERT : FRAME_STATUS_TEXT,
              DT_LEFT | DT_END_ELLIPSIS);

    const SelectGuard pen(dc, GetStockObject(DC_PEN));
    const SelectGuard brush(dc, GetStockObject(DC_BRUSH));
    for (size_t i = 0; i < f.buttons.size(); ++i) {
        const LaidOutButton& b = f.buttons[i];
        const bool primary = i + 1 == f.buttons.size();
        const bool hovered = f.hovered == b.id;
        const COLORREF face = primary ? (hovered ? FRAME_PRIMARY_HOVER : FRAME_PRIMARY)
                                      : (hovered ? FRAME_BUTTON_HOVER : FRAME_BUTTON);
        SetDCPenColor(dc, face);
        SetDCBrushColor(dc, face);
        RoundRect(dc, b.rect.l, b.rect.t, b.rect.r, b.rect.b, f.corner, f.corner);
        draw_text(dc, f.font, b.label, RECT{b.rect.l, b.rect.t, b.rect.r, b.rect.b},
                  primary ? FRAME_PRIMARY_LABEL : FRAME_BUTTON_LABEL, DT_CENTER);
    }
    GdiFlush();
    BitBlt(target, 0, 0, client.width(), client.height(), dc, 0, 0, SRCCOPY);
}

void paint_preview(HDC dc, const FrameRecord& f, const Rect& client) {
    if (f.preview_image) {
        const DibBitmap& image = *f.preview_image;
        BitBlt(dc, 0, 0, image.width, image.height, image.hdc(), 0, 0, SRCCOPY);
    } else {
        fill(dc, client, FRAME_PREVIEW_EMPTY);
    }
    fill_rect_color(dc, client, 1, FRAME_PREVIEW_OUTLINE);
}

}  // namespace

LRESULT FrameWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = hwnd();
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEACTIVATE:
            if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return MA_NOACTIVATE;
            return default_handle(message, wparam, lparam);
        case WM_PAINT: {
            const PaintDc paint(window);
            if (role == FrameRole::Ring) {
                fill(paint.get(), client_rect(window), accent);
                return 0;
            }
            // Without a frame (or while its record is in use) the paint only validates.
            auto frame = REGION_FRAME.try_borrow();
            if (!frame || !**frame) return 0;
            if (role == FrameRole::Strip) paint_strip(paint.get(), ***frame, client_rect(window));
            else paint_preview(paint.get(), ***frame, client_rect(window));
            return 0;
        }
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_TIMER:
        case WM_CLOSE:    // also Alt+F4 on the strip, through SC_CLOSE
        case WM_DESTROY:
            break;
        default: return default_handle(message, wparam, lparam);
    }
    if (message == WM_TIMER && wparam != FRAME_TICK_TIMER) return default_handle(message, wparam, lparam);

    // The callback runs after the record's borrow has ended: it may hide or show the frame.
    FrameCallback callback = nullptr;
    FrameEvent event;
    {
        auto frame = REGION_FRAME.try_borrow();
        if (!frame || !**frame) return 0;
        FrameRecord& f = ***frame;
        const int32_t x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
        std::vector<Rect> rects;
        for (const LaidOutButton& b : f.buttons) rects.push_back(b.rect);
        switch (message) {
            case WM_MOUSEMOVE: {
                if (role != FrameRole::Strip) return 0;
                const std::optional<size_t> hit = hit_button(rects, x, y);
                const std::optional<uint64_t> hovered = hit ? std::optional<uint64_t>(f.buttons[*hit].id) : std::nullopt;
                if (hovered != f.hovered) {
                    f.hovered = hovered;
                    InvalidateRect(window, nullptr, FALSE);
                }
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                return 0;
            }
            case WM_MOUSELEAVE:
                if (role == FrameRole::Strip && f.hovered) {
                    f.hovered.reset();
                    InvalidateRect(window, nullptr, FALSE);
                }
                return 0;
            case WM_LBUTTONUP: {
                if (role != FrameRole::Strip) return 0;
                const std::optional<size_t> hit = hit_button(rects, x, y);
                if (!hit) return 0;
                event = FrameEvent{FRAME_EVENT_BUTTON, 0, f.buttons[*hit].id};
                break;
            }
            case WM_KEYDOWN: event = FrameEvent{FRAME_EVENT_KEY, static_cast<uint16_t>(wparam), 0}; break;
            // Not destroyed here: the feature's Cancel hides the whole frame.
            case WM_CLOSE: event = FrameEvent{FRAME_EVENT_CLOSE, 0, 0}; break;
            case WM_DESTROY: {
                // frame_hide empties the cell before it destroys; anyone else leaves a frame short
                // of a window, which the feature's Cancel then takes down.
                HWND& mine = role == FrameRole::Ring ? f.ring : role == FrameRole::Strip ? f.strip : f.preview;
                if (mine != window) return 0;
                mine = nullptr;
                event = FrameEvent{FRAME_EVENT_CLOSE, 0, 0};
                break;
            }
            default: event = FrameEvent{FRAME_EVENT_TICK, 0, 0}; break;
        }
        callback = f.on_event;
    }
    if (callback) callback(event);
    return 0;
}
