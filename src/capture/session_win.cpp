#include "capture/session_win.h"

#include <dwmapi.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "annot/render_win.h"
#include "capture/auto_select_win.h"
#include "capture/capture_win.h"
#include "capture/dim.h"
#include "capture/overlay_focus_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/session_rules.h"
#include "capture/spare_images_win.h"
#include "dxgi/dxgi_win.h"
#include "editor/text_box_win.h"
#include "frame/frame_win.h"
#include "dxgi/prewarm_timer_win.h"
#include "pin/pin_edit_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "uia/uia_win.h"
#include "util/clock.h"
#include "util/log.h"
#include "win/draw.h"
#include "win/shell.h"

UiCell<std::optional<OverlayState>> OVERLAY_SESSION;
UiCell<std::optional<double>> LAST_SESSION_END;
UiCell<uint64_t> CAPTURE_SEQ;
UiCell<ToolSettings> SESSION_CARRY;

namespace {

// Runs the task on a scoped thread, or on the caller's thread when no thread can be started.
template <class F>
class ScopedTask {
public:
    explicit ScopedTask(F task) : task_(std::move(task)) {
        try {
            thread_ = std::jthread([this] { task_(); });
        } catch (const std::system_error&) {
            task_();
        }
    }
    ScopedTask(const ScopedTask&) = delete;
    ScopedTask& operator=(const ScopedTask&) = delete;
    ~ScopedTask() { join(); }
    void join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    F task_;
    std::jthread thread_;  // after task_: joined before the task goes
};

// What begin_capture knows before it grabs.
struct CaptureStart {
    double trigger_ms = 0;
    uint64_t seq = 0;
    HWND overlay_before = nullptr;  // never a target, whether cloaked or not
    HWND element_target = nullptr;  // the overlay that was asked for the first element answer
    HWND foreground = nullptr;
    int32_t ox = 0, oy = 0, width = 0, height = 0;
    std::vector<PhaseMark> marks;

    void mark(std::string_view label) { marks.push_back({label, clock_ms() - trigger_ms}); }
};

// What the grab step made.
struct Grabbed {
    OverlayImages images;
    std::vector<Rect> monitors;         // screen coordinates
    std::vector<WindowTarget> windows;  // screen coordinates
    PinEditPlacement placement;
    std::vector<Annotation> annotations;  // overlay coordinates
};

// One session at a time; a session whose window is gone is dropped. False while one runs.
bool no_session_open() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell) return false;
    std::optional<OverlayState>& session = **cell;
    if (session) {
        if (IsWindow(session->window)) return false;
        session.reset();
    }
    return true;
}

CaptureStart start_capture(bool pin_edit) {
    CaptureStart start;
    start.trigger_ms = clock_ms();
    start.seq = CAPTURE_SEQ.get() + 1;
    CAPTURE_SEQ.set(start.seq);
    start.marks.reserve(12);

    // The element query goes first so that it runs while we grab.
    start.overlay_before = live_overlay_hwnd();
    if (!pin_edit && start.overlay_before && current_settings().capture_detect == CaptureDetect::Element) {
        POINT pt{};
        GetCursorPos(&pt);
        uia_send_request(UiaRequest{pt.x, pt.y, 0, reinterpret_cast<uintptr_t>(start.overlay_before), start.seq});
        start.element_target = start.overlay_before;
    }

    std::optional<double> since_last_end;
    if (const std::optional<double> end = LAST_SESSION_END.get()) since_last_end = clock_ms() - *end;
    if (needs_dwm_flush(pin_edit, since_last_end)) DwmFlush();

    start.foreground = GetForegroundWindow();
    start.ox = GetSystemMetrics(SM_XVIRTUALSCREEN);
    start.oy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    start.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    start.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return start;
}

// The three screen bitmaps: the last session's when they are still kept and of this size, else
// new ones. All are made here: a new thread's first GDI call opens its own display connection,
// which under Wine waits behind the grab.
struct ScreenBitmaps {
    bool reused = false;
};
ScreenBitmaps make_screen_bitmaps(OverlayImages& images, int32_t width, int32_t height) {
    if (width < 1 || height < 1) return {};
    if (std::optional<SpareImages> spare = take_spare_images(width, height)) {
        images.frozen = std::move(spare->frozen);
        images.dimmed = std::move(spare->dimmed);
        images.back_buffer = std::move(spare->back_buffer);
        return {true};
    }
    images.frozen = DibBitmap::create(width, height);
    images.dimmed = DibBitmap::create(width, height);
    images.back_buffer = DibBitmap::create(width, height);
    return {false};
}

// Grabs every monitor into the frozen bitmap while scoped threads list the windows and bring in
// the pages of new bitmaps; puts a pin's image over it; dims it.
Grabbed grab_screen(CaptureStart& start, const std::optional<PinEditRequest>& request) {
    const int32_t width = start.width, height = start.height;
    Grabbed out;
    ScopedTask enum_task([&out, overlay = start.overlay_before] { out.windows = enumerate_windows(overlay); });
    const ScreenBitmaps made = make_screen_bitmaps(out.images, width, height);
    std::optional<DibBitmap>& dimmed = out.images.dimmed;
    std::optional<DibBitmap>& back_buffer = out.images.back_buffer;
    // Fresh pages cost a fault each on first touch (under Wine about as much as the grab for
    // 16 MB): they are touched here, while the grab runs, rather than in the dimming and the
    // first paint. Reused pages are there already.
    std::optional<ScopedTask<std::function<void()>>> buffer_task;
    if (!made.reused)
        buffer_task.emplace([&dimmed, &back_buffer] {
            if (dimmed) std::fill(dimmed->pixels().begin(), dimmed->pixels().end(), 0u);
            if (back_buffer) std::fill(back_buffer->pixels().begin(), back_buffer->pixels().end(), 0u);
        });

    std::optional<DibBitmap>& frozen = out.images.frozen;
    out.monitors = monitor_rects();
    // A reused bitmap keeps the last screen where no monitor is.
    const Rect screen{start.ox, start.oy, start.ox + width, start.oy + height};
    if (frozen && made.reused && !monitors_cover(out.monitors, screen))
        std::fill(frozen->pixels().begin(), frozen->pixels().end(), 0u);

    GdiFlush();
    GrabResult grab;
    if (frozen) grab = dxgi_grab(frozen->bits, frozen->pixel_count(), width, height, start.ox, start.oy, out.monitors);
    if (grab.incomplete) restart_prewarm_timer();
    start.mark(MARK_DXGI);
    if (frozen && gdi_grab_missing(*frozen, start.ox, start.oy, out.monitors, grab.copied)) start.mark(MARK_GDI);

    if (request) {
        const int32_t iw = request->image ? request->image->width : 0;
        const int32_t ih = request->image ? request->image->height : 0;
        out.placement = pin_edit_placement(request->x, request->y, iw, ih, start.ox, start.oy, width, height);
        if (frozen && request->image)
            BitBlt(frozen->hdc(), out.placement.offset_x, out.placement.offset_y, iw, ih, request->image->hdc(), 0, 0,
                   SRCCOPY);
        out.annotations = moved_annotations(request->annotations, out.placement.offset_x, out.placement.offset_y);
    }

    if (buffer_task) buffer_task->join();
    start.mark(MARK_BUFFERS);
    GdiFlush();

    if (frozen && dimmed && dimmed->pixel_count() == frozen->pixel_count())
        dim_screen(frozen->pixels(), dimmed->pixels());
    start.mark(MARK_DIM);

    out.images.highlight = DibBitmap::create(1, 1);
    if (out.images.highlight) out.images.highlight->bits[0] = 0x002B7FFF;

    enum_task.join();
    start.mark(MARK_WINDOWS);
    return out;
}

// The effective DPI of the monitor under the cursor, as a factor of 96.
float scale_at(POINT cursor) {
    UINT dpi_x = 96, dpi_y = 96;
    if (FAILED(GetDpiForMonitor(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) ||
        dpi_x == 0)
        dpi_x = 96;
    return static_cast<float>(dpi_x) / 96.0f;
}

OverlayState build_state(HWND overlay, const CaptureStart& start, Grabbed grabbed,
                         const std::optional<PinEditRequest>& request, POINT cursor, float scale) {
    OverlayState state;
    state.window = overlay;
    state.foreground = start.foreground;
    state.scale = scale;
    state.font = ui_font(overlay_font_height(scale), false);
    state.images = std::move(grabbed.images);

    // The selection of a normal capture comes later, from the user.
    state.editor = make_editor(SESSION_CARRY.get(), scale, request ? grabbed.placement.selection : Rect{},
                               &text_outline_bounds, std::make_shared<WinTextBoxHost>(overlay));
    state.editor.annotations = std::move(grabbed.annotations);

    AutoSelect& select = state.selection.auto_select;
    select.origin_x = start.ox;
    select.origin_y = start.oy;
    select.width = start.width;
    select.height = start.height;
    select.detect = current_settings().capture_detect;
    for (const Rect& m : grabbed.monitors) select.monitors.push_back(to_overlay(select, m));
    select.windows = std::move(grabbed.windows);
    for (WindowTarget& w : select.windows) w.rect = to_overlay(select, w.rect);
    state.selection.request_id = start.seq;
    state.selection.cursor_x = saturate_i32(int64_t{cursor.x} - start.ox);
    state.selection.cursor_y = saturate_i32(int64_t{cursor.y} - start.oy);

    if (request) {
        state.selection.rect = grabbed.placement.selection;
        state.pin_edit = PinEditState{request->pin, grabbed.placement.offset_x, grabbed.placement.offset_y};
    }
    state.timing.trigger_ms = start.trigger_ms;
    return state;
}

// Paints the session into the overlay, uncloaks it and gives it the focus.
void show_overlay(HWND overlay) {
    // UpdateWindow sends our own WM_PAINT: no cell is held across it.
    constexpr UINT ON_TOP = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    if (IsWindowVisible(overlay)) {
        // Cloaked: painted out of sight, then uncloaked.
        SetWindowPos(overlay, HWND_TOPMOST, 0, 0, 0, 0, ON_TOP);
        InvalidateRect(overlay, nullptr, FALSE);
        UpdateWindow(overlay);
        phase_mark(MARK_PAINT);
        set_overlay_cloaked(overlay, false);
    } else {
        // Hidden between captures where cloaking does not work: a hidden window gets no paint,
        // so it is shown on top and painted once, the whole of it.
        SetWindowPos(overlay, HWND_TOPMOST, 0, 0, 0, 0, ON_TOP | SWP_SHOWWINDOW);
        InvalidateRect(overlay, nullptr, FALSE);
        UpdateWindow(overlay);
        phase_mark(MARK_PAINT);
    }
    phase_mark(MARK_VISIBLE);

    if (!SetForegroundWindow(overlay)) {
        force_foreground(overlay);
        phase_mark(MARK_FOCUS_FORCED);
    }
    phase_mark(MARK_FOCUS);
}

// The pin's record after its edit: annotations written back, the pin shown again and the
// chosen outcome run. Nothing when the pin closed meanwhile.
void return_to_pin(const PinEditState& edit, std::optional<std::vector<Annotation>> write_back) {
    if (!edit.pin || !pin_record_exists(edit.pin)) return;
    const bool written = !write_back || write_pin_annotations(edit.pin, std::move(*write_back));
    ShowWindow(edit.pin, SW_SHOW);
    SetForegroundWindow(edit.pin);
    InvalidateRect(edit.pin, nullptr, FALSE);
    if (!written) return;
    if (edit.outcome == PinEditOutcome::Copy) copy_pin_image(edit.pin);
    else if (edit.outcome == PinEditOutcome::Save) save_pin_image(edit.pin);
}

}  // namespace

void begin_capture(std::optional<PinEditRequest> request) {
    if (!no_session_open()) {
        // One that lost the foreground to another program comes back to the front.
        bring_session_forward();
        return;
    }
    // Nothing opens over a recording or a scrolling capture: the overlay would end up in its grabs.
    if (frame_is_shown()) return;
    CaptureStart start = start_capture(request.has_value());
    Grabbed grabbed = grab_screen(start, request);
    // Without its images the overlay cannot be painted, and shown it would hold the last
    // session's frame: say so instead.
    if (!overlay_paintable(grabbed.images)) {
        debug_log("capture: the screen images could not be made (memory); the overlay stays hidden");
        tray_balloon(ui_text(CAPTURE_FAILED), ui_text(CAPTURE_NO_MEMORY));
        return;
    }

    POINT cursor{};
    GetCursorPos(&cursor);
    const float scale = scale_at(cursor);
    const std::optional<HWND> overlay = overlay_window(start.ox, start.oy, start.width, start.height);
    if (!overlay) return;
    start.mark(MARK_WINDOW);

    OverlayState state = build_state(*overlay, start, std::move(grabbed), request, cursor, scale);
    request.reset();  // the pin's image copy is in the frozen bitmap now

    // The first element answer, waited for until 80 ms after the trigger. Its outcome is logged
    // once the overlay shows, so the log write does not count in the marks.
    std::optional<std::string> element_note;
    if (start.element_target && start.element_target == *overlay) {
        if (const std::unique_ptr<UiaResult> result =
                wait_uia_result(*overlay, start.seq, start.trigger_ms + UIA_WAIT_MS)) {
            element_note = "element answer in time: " + std::to_string(result->rects.size()) + " rectangle(s)";
            merge_uia_result(state, *result);
        } else {
            element_note = "element answer: none within 80 ms";
        }
        start.mark(MARK_ELEMENT);
    }
    state.selection.hovered = hit_test_window_element(state, state.selection.cursor_x, state.selection.cursor_y);
    state.paint.layout = overlay_layout(state);
    state.timing.marks = std::move(start.marks);
    {
        auto cell = OVERLAY_SESSION.try_borrow();
        if (!cell) return;
        **cell = std::move(state);
    }

    show_overlay(*overlay);
    debug_log("capture " + std::to_string(start.width) + "x" + std::to_string(start.height) +
              " (ms since trigger): " + format_timing_marks().value_or(std::string()));
    if (element_note) debug_log(*element_note);

    if (BENCH_MODE.get()) {
        push_timing_run(clone_timing_marks());
        PostMessageW(*overlay, WM_CLOSE, 0, 0);
    }
}

bool capture_session_showing() { return !no_session_open(); }

void start_capture_copy() {
    begin_capture(std::nullopt);
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    if (!state.pin_edit) state.selection.copy_on_select = true;
}

void end_capture(HWND window, bool restore_focus) {
    // Only the session this window shows.
    std::optional<OverlayState> session;
    if (auto cell = OVERLAY_SESSION.try_borrow()) {
        if (**cell && (**cell)->window == window) session = std::exchange(**cell, std::nullopt);
    }

    std::optional<PinEditState> pin_edit;
    std::optional<std::vector<Annotation>> write_back;
    HWND foreground = nullptr;
    if (session) {
        if (auto carry = SESSION_CARRY.try_borrow()) **carry = session->editor.tools;
        pin_edit = session->pin_edit;
        foreground = session->foreground;
        // Already in pin coordinates: the edit's finish moved them back.
        if (pin_edit && session->editor.edited) write_back = std::move(session->editor.edited);
    }

    // Hiding (where cloaking does nothing) moves the focus away: ask first.
    const bool overlay_had_focus = GetForegroundWindow() == window;
    ReleaseCapture();
    set_overlay_cloaked(window, true);
    LAST_SESSION_END.set(clock_ms());
    if (session && window == OVERLAY_HWND.get()) keep_spare_images(window, session->images);
    session.reset();

    if (window != OVERLAY_HWND.get()) {
        DestroyWindow(window);
        return;
    }
    if (pin_edit) {
        return_to_pin(*pin_edit, std::move(write_back));
        return;
    }
    if (!restore_focus) return;
    if (overlay_had_focus) {
        if (foreground && IsWindow(foreground) && SetForegroundWindow(foreground)) return;
        ShowWindow(window, SW_HIDE);
    }
}
