#include "capture/session_win.h"

#include <dwmapi.h>
#include <imm.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "capture/auto_select_win.h"
#include "capture/capture_win.h"
#include "capture/dim.h"
#include "capture/pin_edit_win.h"
#include "capture/session_rules.h"
#include "dxgi/dxgi_win.h"
#include "settings/settings_win.h"
#include "uia/uia_win.h"
#include "win/draw.h"
#include "util/log.h"
#include "win/post_result.h"
#include "win/messages.h"
#include "dxgi/prewarm_timer_win.h"

thread_local UiCell<std::optional<OverlayState>> OVERLAY_SESSION;
thread_local UiCell<HWND> OVERLAY_HWND;
thread_local UiCell<std::optional<int64_t>> LAST_SESSION_END;
thread_local UiCell<uint64_t> CAPTURE_SEQ;
thread_local UiCell<ToolSettings> SESSION_CARRY;
thread_local UiCell<bool> BENCH_MODE;
thread_local UiCell<std::vector<TimingRun>> TIMING_RUNS;

const WindowClass OVERLAY_WINDOW_CLASS{OVERLAY_CLASS, guarded_window_proc<overlay_wndproc>, CS_DBLCLKS, IDC_CROSS};

namespace {

int64_t perf_frequency() {
    static const int64_t f = [] {
        LARGE_INTEGER v{};
        QueryPerformanceFrequency(&v);
        return v.QuadPart > 0 ? v.QuadPart : int64_t{1000};
    }();
    return f;
}

int64_t ms_to_ticks(double ms) { return static_cast<int64_t>(ms * static_cast<double>(perf_frequency()) / 1000.0); }

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

HWND live_overlay_hwnd() {
    const HWND h = OVERLAY_HWND.get();
    return h && IsWindow(h) ? h : nullptr;
}

void paint_overlay(HWND window) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    if (!dc) return;
    const RECT& r = ps.rcPaint;
    bool painted = false;
    if (auto cell = OVERLAY_SESSION.try_borrow()) {
        const std::optional<OverlayState>& session = **cell;
        if (session && session->window == window && session->dimmed) {
            painted = BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, session->dimmed->hdc, r.left, r.top,
                             SRCCOPY) != FALSE;
        }
    }
    if (!painted) FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(window, &ps);
}

void on_uia_result(HWND window, WPARAM id, LPARAM record) {
    const std::unique_ptr<UiaResult> result = take_result<UiaResult>(record);
    if (!result) return;
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    if (state.window != window || id != state.request_id) return;
    merge_uia_result(state, *result);
    state.hovered = hit_test_window_element(state, state.cursor_x, state.cursor_y);
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

int64_t perf_now() {
    LARGE_INTEGER v{};
    QueryPerformanceCounter(&v);
    return v.QuadPart;
}

double perf_ms_between(int64_t from, int64_t to) {
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(perf_frequency());
}

bool composition_enabled() {
    BOOL on = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&on)) && on;
}

namespace {

// False without a compositor or when the call fails.
bool set_cloak(HWND window, bool cloaked) {
    if (!composition_enabled()) return false;
    const BOOL value = cloaked ? TRUE : FALSE;
    return SUCCEEDED(DwmSetWindowAttribute(window, DWMWA_CLOAK, &value, sizeof value));
}

// The compositor's word; false where it cannot say (no compositor) and for a window that was
// hidden because cloaking failed.
bool is_cloaked(HWND window) {
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
}

}  // namespace

void set_overlay_cloaked(HWND overlay, bool cloaked) {
    if (!overlay) return;
    if (cloaked) {
        // Where cloaking does not work only hiding keeps the overlay from covering the screen,
        // taking every click and ending up in the next grab.
        if (!set_cloak(overlay, true)) ShowWindow(overlay, SW_HIDE);
        return;
    }
    if (!IsWindowVisible(overlay)) {
        // A hidden overlay still holds the last session's frame: shown under a cloak where one
        // works, so that the first frame on screen is this session's paint.
        set_cloak(overlay, true);
        ShowWindow(overlay, SW_SHOWNA);
        UpdateWindow(overlay);
    }
    set_cloak(overlay, false);
}

std::optional<HWND> overlay_window(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (const HWND existing = live_overlay_hwnd()) {
        RECT r{};
        GetWindowRect(existing, &r);
        if (r.left != x || r.top != y || r.right - r.left != width || r.bottom - r.top != height)
            SetWindowPos(existing, nullptr, x, y, width, height, SWP_NOACTIVATE | SWP_NOZORDER);
        // Only a cloaked overlay may be shown ahead of the paint; one that was hidden instead
        // waits for set_overlay_cloaked.
        if (!IsWindowVisible(existing) && is_cloaked(existing)) ShowWindow(existing, SW_SHOWNA);
        return existing;
    }
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, OVERLAY_CLASS, L"", WS_POPUP | WS_CLIPCHILDREN,
                                        x, y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return std::nullopt;
    ImmAssociateContext(window, nullptr);
    // Shown cloaked, so uncloaking is all a capture needs; if cloaking fails it stays hidden.
    if (set_cloak(window, true)) ShowWindow(window, SW_SHOWNA);
    OVERLAY_HWND.set(window);
    return window;
}

void overlay_prewarm() {
    static std::once_flag uia_started;
    std::call_once(uia_started, [] { uia_start_worker(); });
    overlay_window(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                   GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

void phase_mark(std::string_view label) {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    state.marks.push_back({label, perf_ms_between(state.trigger, perf_now())});
}

std::optional<std::string> format_timing_marks() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return std::nullopt;
    return format_marks((**cell)->marks);
}

std::vector<PhaseMark> clone_timing_marks() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return {};
    return (**cell)->marks;
}

void push_timing_run(std::vector<PhaseMark> marks) { TIMING_RUNS.borrow()->push_back(std::move(marks)); }

std::unique_ptr<UiaResult> wait_uia_result(HWND overlay, uint64_t request_id, int64_t deadline) {
    // A null window would make PeekMessageW take the main window's 0x8032 too.
    if (!overlay) return nullptr;
    for (;;) {
        MSG msg{};
        while (PeekMessageW(&msg, overlay, WM_APP_UIA_RESULT, WM_APP_UIA_RESULT, PM_REMOVE)) {
            std::unique_ptr<UiaResult> result = take_result<UiaResult>(msg.lParam);
            if (result && msg.wParam == request_id) return result;
        }
        const int64_t now = perf_now();
        if (now >= deadline) return nullptr;
        const double left = perf_ms_between(now, deadline);
        const DWORD wait = left < 1.0 ? 1 : static_cast<DWORD>(std::min(left, 60000.0));
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_POSTMESSAGE);
    }
}

void force_foreground(HWND window) {
    const DWORD other = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD self = GetCurrentThreadId();
    if (other == 0 || other == self) return;
    AttachThreadInput(self, other, TRUE);
    SetForegroundWindow(window);
    SetFocus(window);
    AttachThreadInput(self, other, FALSE);
}

std::optional<Rect> hit_test_window_element(OverlayState& state, int32_t x, int32_t y) {
    const HitTest hit = hit_test_window_element(state.select, x, y);
    if (hit.request)
        uia_send_request(UiaRequest{hit.request->screen_x, hit.request->screen_y, hit.request->window,
                                    reinterpret_cast<uintptr_t>(state.window), state.request_id});
    return hit.rect;
}

void merge_uia_result(OverlayState& state, const UiaResult& result) {
    merge_uia_result(state.select, ElementAnswer{result.root, result.x, result.y, result.rects});
}

Rect nearest_monitor(const OverlayState& state, int32_t x, int32_t y) { return nearest_monitor(state.select, x, y); }

void begin_capture(std::optional<PinEditRequest> request) {
    // One session at a time; a session whose window is gone is dropped.
    {
        auto cell = OVERLAY_SESSION.try_borrow();
        if (!cell) return;
        std::optional<OverlayState>& session = **cell;
        if (session) {
            if (IsWindow(session->window)) return;
            session.reset();
        }
    }

    const int64_t trigger = perf_now();
    const uint64_t seq = CAPTURE_SEQ.get() + 1;
    CAPTURE_SEQ.set(seq);
    const bool pin_edit = request.has_value();
    std::vector<PhaseMark> marks;
    marks.reserve(12);
    const auto mark = [&](std::string_view label) { marks.push_back({label, perf_ms_between(trigger, perf_now())}); };

    // The element query goes first so that it runs while we grab.
    const HWND overlay_before = live_overlay_hwnd();
    HWND element_target = nullptr;
    if (!pin_edit && overlay_before && current_settings().capture_detect == CaptureDetect::Element) {
        POINT pt{};
        GetCursorPos(&pt);
        uia_send_request(UiaRequest{pt.x, pt.y, 0, reinterpret_cast<uintptr_t>(overlay_before), seq});
        element_target = overlay_before;
    }

    std::optional<double> since_last_end;
    if (const std::optional<int64_t> end = LAST_SESSION_END.get()) since_last_end = perf_ms_between(*end, perf_now());
    if (needs_dwm_flush(pin_edit, since_last_end)) DwmFlush();

    const HWND foreground = GetForegroundWindow();
    const int32_t ox = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t oy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int32_t width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int32_t height = GetSystemMetrics(SM_CYVIRTUALSCREEN);

    // The window list and the two further bitmaps are made on scoped threads while this thread grabs.
    std::vector<WindowTarget> windows;
    ScopedTask enum_task([&windows, overlay_before] { windows = enumerate_windows(overlay_before); });
    std::optional<DibBitmap> dimmed, back_buffer;
    ScopedTask buffer_task([&dimmed, &back_buffer, width, height] {
        dimmed = DibBitmap::create(width, height);
        back_buffer = DibBitmap::create(width, height);
        GdiFlush();
        // Touch every page now, while the grab runs, rather than in the dimming threads.
        if (dimmed) std::fill(dimmed->pixels().begin(), dimmed->pixels().end(), 0u);
    });

    std::optional<DibBitmap> frozen;
    if (width > 0 && height > 0) frozen = DibBitmap::create(width, height);
    const std::vector<Rect> monitors = monitor_rects();

    GdiFlush();
    GrabResult grab;
    if (frozen) grab = dxgi_grab(frozen->bits, frozen->pixel_count(), width, height, ox, oy, monitors);
    if (grab.incomplete) restart_prewarm_timer();
    mark(MARK_DXGI);
    if (frozen && gdi_grab_missing(*frozen, ox, oy, monitors, grab.copied)) mark(MARK_GDI);

    PinEditPlacement placement;
    std::vector<SessionAnnotation> annotations;
    if (pin_edit) {
        const int32_t iw = request->image ? request->image->width : 0;
        const int32_t ih = request->image ? request->image->height : 0;
        placement = pin_edit_placement(request->x, request->y, iw, ih, ox, oy, width, height);
        if (frozen && request->image)
            BitBlt(frozen->hdc, placement.offset_x, placement.offset_y, iw, ih, request->image->hdc, 0, 0, SRCCOPY);
        annotations = moved_annotations(request->annotations, placement.offset_x, placement.offset_y);
    }

    buffer_task.join();
    mark(MARK_BUFFERS);
    GdiFlush();

    if (frozen && dimmed && dimmed->pixel_count() == frozen->pixel_count())
        dim_pixels_parallel(frozen->pixels(), dimmed->pixels());
    mark(MARK_DIM);

    std::optional<DibBitmap> highlight = DibBitmap::create(1, 1);
    if (highlight) highlight->bits[0] = 0x002B7FFF;

    enum_task.join();
    mark(MARK_WINDOWS);

    POINT cursor{};
    GetCursorPos(&cursor);
    UINT dpi_x = 96, dpi_y = 96;
    if (FAILED(GetDpiForMonitor(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) ||
        dpi_x == 0)
        dpi_x = 96;
    const float scale = static_cast<float>(dpi_x) / 96.0f;

    const std::optional<HWND> overlay = overlay_window(ox, oy, width, height);
    if (!overlay) return;
    mark(MARK_WINDOW);

    const HFONT font = ui_font(overlay_font_height(scale), false);
    const DetectMode detect =
        current_settings().capture_detect == CaptureDetect::Element ? DetectMode::Element : DetectMode::Window;

    OverlayState state;
    state.window = *overlay;
    state.editor.tools = SESSION_CARRY.get();
    state.editor.scale = scale;
    state.editor.annotations = std::move(annotations);
    if (pin_edit) state.editor.selection = placement.selection;
    state.frozen = std::move(frozen);
    state.dimmed = std::move(dimmed);
    state.back_buffer = std::move(back_buffer);
    state.highlight = std::move(highlight);
    state.font = font;
    state.select.origin_x = ox;
    state.select.origin_y = oy;
    state.select.width = width;
    state.select.height = height;
    state.select.detect = detect;
    for (const Rect& m : monitors) state.select.monitors.push_back(to_overlay(state.select, m));
    state.select.windows = std::move(windows);
    for (WindowTarget& w : state.select.windows) w.rect = to_overlay(state.select, w.rect);
    state.request_id = seq;
    state.cursor_x = clamp_to_i32(int64_t{cursor.x} - ox);
    state.cursor_y = clamp_to_i32(int64_t{cursor.y} - oy);
    state.scale = scale;
    state.foreground = foreground;
    state.pin_edit = pin_edit;
    if (pin_edit) {
        state.pin_window = request->pin;
        state.pin_offset_x = placement.offset_x;
        state.pin_offset_y = placement.offset_y;
    }
    state.trigger = trigger;
    request.reset();  // the pin's image copy is in the frozen bitmap now

    // The first element answer, waited for until 80 ms after the trigger. Its outcome is logged
    // once the overlay shows, so the log write does not count in the marks.
    std::optional<std::string> element_note;
    if (element_target && element_target == *overlay) {
        if (const std::unique_ptr<UiaResult> result = wait_uia_result(*overlay, seq, trigger + ms_to_ticks(UIA_WAIT_MS))) {
            element_note = "element answer in time: " + std::to_string(result->rects.size()) + " rectangle(s)";
            merge_uia_result(state, *result);
        } else {
            element_note = "element answer: none within 80 ms";
        }
        mark(MARK_ELEMENT);
    }

    state.hovered = hit_test_window_element(state, state.cursor_x, state.cursor_y);

    state.marks = std::move(marks);
    {
        auto cell = OVERLAY_SESSION.try_borrow();
        if (!cell) return;
        **cell = std::move(state);
    }

    // UpdateWindow sends our own WM_PAINT: no cell is held across it.
    SetWindowPos(*overlay, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    InvalidateRect(*overlay, nullptr, FALSE);
    UpdateWindow(*overlay);
    phase_mark(MARK_PAINT);

    set_overlay_cloaked(*overlay, false);
    phase_mark(MARK_VISIBLE);

    if (!SetForegroundWindow(*overlay)) {
        force_foreground(*overlay);
        phase_mark(MARK_FOCUS_FORCED);
    }
    phase_mark(MARK_FOCUS);

    debug_log("capture " + std::to_string(width) + "x" + std::to_string(height) +
              " (ms since trigger): " + format_timing_marks().value_or(std::string()));
    if (element_note) debug_log(*element_note);

    if (BENCH_MODE.get()) {
        push_timing_run(clone_timing_marks());
        PostMessageW(*overlay, WM_CLOSE, 0, 0);
    }
}

void start_capture_copy() {
    begin_capture(std::nullopt);
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    if (!state.pin_edit) state.copy_on_select = true;
}

void end_capture(HWND window, bool restore_focus) {
    // Only the session this window shows.
    std::optional<OverlayState> session;
    if (auto cell = OVERLAY_SESSION.try_borrow()) {
        if (**cell && (**cell)->window == window) session = std::exchange(**cell, std::nullopt);
    }

    std::optional<std::vector<SessionAnnotation>> write_back;
    bool pin_edit = false;
    HWND pin = nullptr;
    PinEditOutcome outcome = PinEditOutcome::Apply;
    HWND foreground = nullptr;
    if (session) {
        if (auto carry = SESSION_CARRY.try_borrow()) **carry = session->editor.tools;
        pin_edit = session->pin_edit;
        pin = session->pin_window;
        outcome = session->pin_outcome;
        foreground = session->foreground;
        if (pin_edit && session->editor.edited)
            write_back = moved_annotations(*session->editor.edited, clamp_to_i32(-int64_t{session->pin_offset_x}),
                                           clamp_to_i32(-int64_t{session->pin_offset_y}));
    }

    // Hiding (where cloaking does nothing) moves the focus away: ask first.
    const bool overlay_had_focus = GetForegroundWindow() == window;
    ReleaseCapture();
    set_overlay_cloaked(window, true);
    LAST_SESSION_END.set(perf_now());
    session.reset();

    if (window != OVERLAY_HWND.get()) {
        DestroyWindow(window);
        return;
    }

    if (pin_edit) {
        if (!pin || !pin_record_exists(pin)) return;  // the pin closed meanwhile
        if (write_back) write_pin_annotations(pin, std::move(*write_back));
        ShowWindow(pin, SW_SHOW);
        SetForegroundWindow(pin);
        InvalidateRect(pin, nullptr, FALSE);
        if (outcome == PinEditOutcome::Copy) copy_pin_image(pin);
        else if (outcome == PinEditOutcome::Save) save_pin_image(pin);
        return;
    }

    if (!restore_focus) return;
    if (overlay_had_focus) {
        if (foreground && IsWindow(foreground) && SetForegroundWindow(foreground)) return;
        ShowWindow(window, SW_HIDE);
    }
}

LRESULT CALLBACK overlay_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paint_overlay(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) {
            end_capture(window, true);
            return 0;
        }
        break;
    case WM_RBUTTONUP:
    case WM_CLOSE:
        end_capture(window, true);
        return 0;
    case WM_APP_UIA_RESULT:
        on_uia_result(window, wparam, lparam);
        return 0;
    case WM_DESTROY:
        if (auto cell = OVERLAY_HWND.try_borrow(); cell && **cell == window) **cell = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
