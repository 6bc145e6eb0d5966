#include "frame/frame_win.h"

#include <imm.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "frame/frame_layout.h"
#include "frame/frame_record_win.h"
#include "win/draw.h"
#include "win/handles.h"
#include "win/monitor.h"

UiCell<std::optional<FrameRecord>> REGION_FRAME;

const WindowClass FRAME_WINDOW_CLASS = window_class<FrameWindow>(0, IDC_ARROW);

namespace {

void destroy(HWND window) {
    if (window) DestroyWindow(window);
}

}  // namespace

HWND frame_create(FrameRole role, DWORD ex_style, const Rect& rect, COLORREF accent, bool* in_grabs) {
    const HWND window = FrameWindow::create(std::make_unique<FrameWindow>(role, accent),
                                            WS_EX_TOPMOST | WS_EX_TOOLWINDOW | ex_style, nullptr, WS_POPUP, rect.l,
                                            rect.t, rect.width(), rect.height());
    if (!window) return nullptr;
    // Fails before Windows 10 2004 and under Wine: the frame then shows in grabs.
    if (!SetWindowDisplayAffinity(window, WDA_EXCLUDEFROMCAPTURE) && in_grabs) *in_grabs = true;
    ImmAssociateContext(window, nullptr);
    return window;
}

bool frame_show(const Rect& rect, FrameSpec spec) {
    frame_hide();
    const MonitorPlace place = monitor_place_at(POINT{rect.l + (rect.r - rect.l) / 2, rect.t + (rect.b - rect.t) / 2});
    const float s = static_cast<float>(place.dpi) / 96.0f;
    const HFONT font = ui_font(frame_px(14, s), false);

    std::vector<int32_t> widths;
    int32_t status_width = 0;
    {
        const WindowDc screen(nullptr);
        for (const FrameButton& b : spec.buttons) widths.push_back(text_extent(screen.get(), font, b.label).cx);
        for (const std::string& text : spec.status_samples)
            status_width = std::max<int32_t>(status_width, text_extent(screen.get(), font, text).cx);
    }
    const FrameLayout layout = frame_layout(rect, place.work, s, widths, spec.show_preview != 0, status_width);

    FrameRecord record;
    record.on_event = spec.on_event;
    record.font = font;
    record.scale = s;
    record.status_rect = layout.status;
    record.corner = layout.corner;
    for (size_t i = 0; i < spec.buttons.size(); ++i) {
        record.buttons.push_back({std::move(spec.buttons[i].label), spec.buttons[i].id, layout.buttons[i]});
    }

    bool in_grabs = false;
    record.ring = frame_create(FrameRole::Ring, WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT, layout.ring,
                               spec.accent, &in_grabs);
    if (record.ring) {
        SetLayeredWindowAttributes(record.ring, 0, 255, LWA_ALPHA);
        Region outer(CreateRectRgn(0, 0, layout.ring.width(), layout.ring.height()));
        Region hole(CreateRectRgn(layout.hole.l, layout.hole.t, layout.hole.r, layout.hole.b));
        if (outer && hole && CombineRgn(outer.get(), outer.get(), hole.get(), RGN_DIFF) != ERROR) {
            // The window owns the region once it is set.
            if (SetWindowRgn(record.ring, outer.get(), FALSE)) outer.release();
        }
    }
    record.strip = frame_create(FrameRole::Strip, spec.take_focus ? 0 : WS_EX_NOACTIVATE, layout.strip, 0, &in_grabs);
    if (layout.preview)
        record.preview = frame_create(FrameRole::Preview, WS_EX_NOACTIVATE, *layout.preview, 0, &in_grabs);
    record.in_grabs = in_grabs;
    record.strip_rect = layout.strip;
    record.preview_rect = layout.preview;

    const HWND ring = record.ring, strip = record.strip, preview = record.preview;
    *REGION_FRAME.borrow() = std::move(record);

    if (ring) ShowWindow(ring, SW_SHOWNOACTIVATE);
    if (preview) ShowWindow(preview, SW_SHOWNOACTIVATE);
    if (strip) {
        if (spec.take_focus) {
            ShowWindow(strip, SW_SHOW);
            SetForegroundWindow(strip);
        } else {
            ShowWindow(strip, SW_SHOWNOACTIVATE);
        }
    }
    return strip != nullptr;
}

void frame_set_status(std::string_view text, bool alert) {
    HWND strip = nullptr;
    {
        auto frame = REGION_FRAME.borrow();
        if (!*frame) return;
        FrameRecord& record = **frame;
        if (record.status == text && record.alert == alert) return;
        record.status.assign(text);
        record.alert = alert;
        strip = record.strip;
    }
    if (strip) InvalidateRect(strip, nullptr, FALSE);
}

void frame_hide() {
    std::optional<FrameRecord> record;
    {
        auto frame = REGION_FRAME.borrow();
        record = std::move(*frame);
        frame->reset();
    }
    if (!record) return;
    // Destroyed with the cell already empty: their last messages find no frame.
    destroy(record->ring);
    destroy(record->strip);
    destroy(record->preview);
}

bool frame_is_shown() { return REGION_FRAME.borrow()->has_value(); }

std::optional<std::vector<Rect>> frame_rects_in_grabs() {
    auto frame = REGION_FRAME.borrow();
    if (!*frame || !(*frame)->in_grabs) return std::nullopt;
    std::vector<Rect> rects;
    if ((*frame)->strip) rects.push_back((*frame)->strip_rect);
    if ((*frame)->preview && (*frame)->preview_rect) rects.push_back(*(*frame)->preview_rect);
    return rects;
}

HWND frame_strip_hwnd() {
    auto frame = REGION_FRAME.borrow();
    return *frame ? (*frame)->strip : nullptr;
}

HWND frame_preview_hwnd() {
    auto frame = REGION_FRAME.borrow();
    return *frame ? (*frame)->preview : nullptr;
}

void frame_set_preview(std::optional<DibBitmap> image) {
    HWND preview = nullptr;
    {
        auto frame = REGION_FRAME.borrow();
        if (!*frame) return;
        (*frame)->preview_image = std::move(image);
        preview = (*frame)->preview;
    }
    if (preview) InvalidateRect(preview, nullptr, FALSE);
}
