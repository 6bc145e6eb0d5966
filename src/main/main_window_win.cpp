#include <chrono>
#include <memory>

#include "capture/capture_win.h"
#include "dxgi/prewarm_timer_win.h"
#include "image/history_win.h"
#include "main/app_state_win.h"
#include "main/commands.h"
#include "main/main_window_win.h"
#include "main/tray_win.h"
#include "ocr/ocr_jobs_win.h"
#include "pin/pins_win.h"
#include "prefs/prefs_win.h"
#include "qr/qr_result.h"
#include "qr/qr_worker_win.h"
#include "record/record_win.h"
#include "scroll/scroll_win.h"
#include "util/log.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

void run_instance_command(HWND window, WPARAM wparam) {
    const std::optional<InstanceCommand> command = instance_command_from_wparam(wparam);
    if (!command) return;
    debug_log("instance command " + std::to_string(static_cast<int>(*command)));
    switch (*command) {
        case InstanceCommand::Capture: capture_action(); break;
        case InstanceCommand::PinClipboard: pin_clipboard(); break;
        case InstanceCommand::Exit: DestroyWindow(window); break;
        case InstanceCommand::CaptureCopy: capture_copy_action(); break;
        case InstanceCommand::Settings: show_prefs_window(); break;
    }
}

void on_hotkey(WPARAM id) {
    debug_log("hotkey " + std::to_string(id));
    switch (id) {
        case HOTKEY_ID_CAPTURE: capture_action(); break;
        case HOTKEY_ID_PIN: pin_action(); break;
        case HOTKEY_ID_CAPTURE_COPY: capture_copy_action(); break;
        default: break;
    }
}

void on_timer(HWND window, WPARAM id) {
    switch (id) {
        case TIMER_DELAYED_CAPTURE:
            KillTimer(window, TIMER_DELAYED_CAPTURE);
            debug_log("delayed capture (timer 1)");
            begin_capture(std::nullopt);
            break;
        case TIMER_PREWARM: prewarm_tick(); break;
        case TIMER_DELAYED_CAPTURE_COPY:
            KillTimer(window, TIMER_DELAYED_CAPTURE_COPY);
            debug_log("delayed capture and copy (timer 3)");
            start_capture_copy();
            break;
        case TIMER_TRAY_RETRY: tray_retry_add_icon(window); break;
        default: break;
    }
}

// Long enough for any capture's PNG; a write that hangs (a lost network folder) must not keep
// the program from ending.
constexpr std::chrono::milliseconds HISTORY_EXIT_WAIT{5000};

void on_destroy() {
    if (recorder_is_recording()) stop_recording(false);
    // The file is finished before the program goes.
    join_record_thread();
    // So is a capture on its way to the history.
    if (!history_wait_for_writers(HISTORY_EXIT_WAIT)) debug_log("exit: a history write still runs; not waiting longer");
    PostQuitMessage(0);
}

// The last message: records posted up to now are queued and would go with the window.
void drain_posted(HWND window) {
    drain_results<OcrJobResult>(window, WM_APP_OCR_DONE);
    drain_results<QrScanResult>(window, WM_APP_QR_DONE);
    drain_results<RecordingResult>(window, WM_APP_RECORD_DONE);
    drain_results<HistoryOutcome>(window, WM_APP_HISTORY_DONE);
}

}  // namespace

const WindowClass MAIN_WINDOW_CLASS{L"OrmickOxelMain", guarded_window_proc<main_window_proc>};

void capture_action() {
    debug_log("capture action");
    if (recorder_is_recording()) {
        stop_recording(false);
        return;
    }
    if (scroll_session_active()) return;
    begin_capture(std::nullopt);
}

// Capture and copy is a capture: it too stops a recording and waits for a scrolling capture.
void capture_copy_action() {
    if (recorder_is_recording()) {
        stop_recording(false);
        return;
    }
    if (scroll_session_active()) return;
    start_capture_copy();
}

// The pin hotkey reaches this window, not the scrolling capture's strip, which has the keyboard:
// while a scrolling capture runs it pins that capture, as its own key table does.
void pin_action() {
    if (scroll_session_active()) {
        finish_scroll_capture(true, ScrollCommand::Pin);
        return;
    }
    pin_clipboard();
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_APP_TRAY:
            switch (LOWORD(lparam)) {
                case WM_LBUTTONUP: capture_action(); break;
                case WM_RBUTTONUP:
                case WM_CONTEXTMENU: show_tray_menu(window); break;
                default: break;
            }
            return 0;
        case WM_APP_INSTANCE_COMMAND: run_instance_command(window, wparam); return 0;
        case WM_HOTKEY: on_hotkey(wparam); return 0;
        case WM_TIMER: on_timer(window, wparam); return 0;
        // Each module takes the record its worker posted; anyone can post these ids, so only a
        // record this process listed is used.
        case WM_APP_OCR_DONE: on_ocr_done(lparam); return 0;
        case WM_APP_QR_DONE: on_qr_done(lparam); return 0;
        case WM_APP_RECORD_DONE: on_record_done(lparam); return 0;
        case WM_APP_HISTORY_DONE: on_history_done(lparam); return 0;
        case WM_DESTROY: on_destroy(); return 0;
        case WM_NCDESTROY: drain_posted(window); break;
        default: break;
    }
    // Registered message ids are never 0, so an unset id never matches WM_NULL.
    const UINT taskbar_created = TASKBAR_CREATED_MSG.get();
    if (taskbar_created != 0 && message == taskbar_created) {
        tray_add_icon(window);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
