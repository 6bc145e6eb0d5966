#include <algorithm>

#include "capture/session_win.h"
#include "uia/uia_win.h"
#include "util/clock.h"
#include "win/messages.h"
#include "win/post_result.h"

std::unique_ptr<UiaResult> wait_uia_result(HWND overlay, uint64_t request_id, double deadline_ms) {
    // A null window would make PeekMessageW take the main window's 0x8032 too.
    if (!overlay) return nullptr;
    for (;;) {
        MSG msg{};
        while (PeekMessageW(&msg, overlay, WM_APP_UIA_RESULT, WM_APP_UIA_RESULT, PM_REMOVE)) {
            std::unique_ptr<UiaResult> result = take_result<UiaResult>(msg.lParam);
            if (result && msg.wParam == request_id) return result;
        }
        const double left = deadline_ms - clock_ms();
        if (left <= 0) return nullptr;
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
    const HitTest hit = hit_test_window_element(state.selection.auto_select, x, y);
    if (hit.request)
        uia_send_request(UiaRequest{hit.request->screen_x, hit.request->screen_y, hit.request->window,
                                    reinterpret_cast<uintptr_t>(state.window), state.selection.request_id});
    return hit.rect;
}

void merge_uia_result(OverlayState& state, const UiaResult& result) {
    merge_uia_result(state.selection.auto_select, ElementAnswer{result.root, result.x, result.y, result.rects});
}

Rect nearest_monitor(const OverlayState& state, int32_t x, int32_t y) {
    return nearest_monitor(state.selection.auto_select, x, y);
}
