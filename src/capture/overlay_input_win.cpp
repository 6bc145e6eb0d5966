#include "capture/overlay_input_win.h"

#include <windowsx.h>

#include <memory>

#include "capture/overlay_actions_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/overlay_state_win.h"
#include "capture/overlay_window_win.h"
#include "capture/session_win.h"
#include "uia/uia_types.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

void on_uia_result(HWND window, WPARAM id, LPARAM record) {
    const std::unique_ptr<UiaResult> result = take_result<UiaResult>(record);
    if (!result) return;
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    if (state.window != window || id != state.selection.request_id) return;
    merge_uia_result(state, *result);
    state.selection.hovered = hit_test_window_element(state, state.selection.cursor_x, state.selection.cursor_y);
    overlay_invalidate_changes(state);
}

// The pointer while no button is held: the magnifier follows it, and the hovered window or
// element, or the toolbar item under it, is shown.
void on_mouse_move(HWND window, int32_t x, int32_t y) {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    OverlayState& state = ***cell;
    if (state.window != window || (x == state.selection.cursor_x && y == state.selection.cursor_y)) return;
    state.selection.cursor_x = x;
    state.selection.cursor_y = y;
    if (state.selection.mouse_state == MouseState::Idle) {
        if (state.selection.rect) state.selection.toolbar_hover = toolbar_hit_test(state, x, y);
        else state.selection.hovered = hit_test_window_element(state, x, y);
    }
    overlay_invalidate_changes(state);
}

void on_shift(HWND window) {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell || (**cell)->window != window) return;
    cycle_color_format(***cell);
}

}  // namespace

LRESULT CALLBACK overlay_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: paint_overlay(window); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE: on_mouse_move(window, GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); return 0;
        case WM_KEYDOWN:
            if (wparam == VK_SHIFT && (lparam & (1 << 30)) == 0) {
                on_shift(window);
                return 0;
            }
            if (wparam == VK_ESCAPE) {
                cancel_capture(window);
                return 0;
            }
            break;
        case WM_RBUTTONUP:
        case WM_CLOSE: cancel_capture(window); return 0;
        case WM_APP_UIA_RESULT: on_uia_result(window, wparam, lparam); return 0;
        case WM_DESTROY:
            drain_results<UiaResult>(window, WM_APP_UIA_RESULT);
            if (auto cell = OVERLAY_HWND.try_borrow(); cell && **cell == window) **cell = nullptr;
            return 0;
        default: break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
