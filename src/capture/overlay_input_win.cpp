#include "capture/overlay_input_win.h"

#include <windowsx.h>

#include <memory>
#include <string>
#include <utility>

#include "capture/overlay_actions_win.h"
#include "capture/overlay_focus_win.h"
#include "capture/overlay_mouse_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/overlay_redact_win.h"
#include "capture/overlay_session_win.h"
#include "capture/overlay_window_win.h"
#include "capture/selection_drag.h"
#include "capture/session_win.h"
#include "capture/spare_images_win.h"
#include "editor/text_box_win.h"
#include "image/bitmap_ops_win.h"
#include "redact/redact_types.h"
#include "settings/settings_win.h"
#include "uia/uia_types.h"
#include "util/log.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

void on_uia_result(HWND window, WPARAM id, LPARAM record) {
    // Taken first: the record is freed whether or not a session wants it.
    const std::unique_ptr<UiaResult> result = take_result<UiaResult>(record);
    if (!result) return;
    auto s = OpenSession::of(window);
    if (!s || id != (*s)->selection.request_id) return;
    merge_uia_result(**s, *result);
    (*s)->selection.hovered = hit_test_window_element(**s, (*s)->selection.cursor_x, (*s)->selection.cursor_y);
    overlay_invalidate_changes(**s);
}

// Tab: window or element detection, written to settings.ini and shown in the settings window.
void switch_detection(OverlayState& s) {
    AutoSelect& a = s.selection.auto_select;
    a.detect = a.detect == CaptureDetect::Element ? CaptureDetect::Window : CaptureDetect::Element;
    a.wheel_index = 0;
    s.selection.hovered = hit_test_window_element(s, s.selection.cursor_x, s.selection.cursor_y);
}

void store_detection(CaptureDetect mode) {
    // The new mode holds for this run either way, and the store shows it in an open settings
    // window; a file that keeps the old one is said, since the next start would go back to it.
    settings_not_saved(
        settings_store({{"capture_detect", std::string(capture_detect_text(mode))}}, StoreKind::InPassing));
}

// R: the last capture's selection, when some of it is still on the screen.
bool restore_last_selection(OverlayState& s) {
    std::optional<Rect> last;
    if (auto cell = LAST_SELECTION.try_borrow()) last = **cell;
    if (!last) return false;
    const std::optional<Rect> r =
        clamp_to_overlay(last->offset(-s.origin_x(), -s.origin_y()), s.width(), s.height());
    if (!r) return false;
    set_overlay_selection(s, r);
    return true;
}

ActionCall run_key_effect(OverlayState& s, const KeyEffect& k) {
    Editor& e = s.editor;
    ActionCall action;
    switch (k.kind) {
        case KeyEffectKind::None: break;
        case KeyEffectKind::Action:
            action = k.action;
            if (action.action == OverlayAction::CopyColorText && s.images.frozen)
                action.rgb = bitmap_pixel(*s.images.frozen, s.selection.cursor_x, s.selection.cursor_y).value_or(0);
            break;
        case KeyEffectKind::FinishAnnotation: finish_annotation(e); break;
        case KeyEffectKind::DeleteAnnotation: delete_selected(e); break;
        case KeyEffectKind::NudgeAnnotation: nudge_selected(e, float(k.dx), float(k.dy)); break;
        case KeyEffectKind::MoveSelection:
            if (s.selection.rect)
                set_overlay_selection(s, move_rect_inside(*s.selection.rect, k.dx, k.dy, s.width(), s.height()));
            break;
        case KeyEffectKind::MoveCursor:
            SetCursorPos(saturate_i32(int64_t{s.origin_x()} + s.selection.cursor_x + k.dx),
                         saturate_i32(int64_t{s.origin_y()} + s.selection.cursor_y + k.dy));
            break;
        case KeyEffectKind::SelectMonitor:
            set_overlay_selection(s, clamp_to_overlay(nearest_monitor(s, s.selection.cursor_x, s.selection.cursor_y),
                                                      s.width(), s.height()));
            s.selection.mouse_state = MouseState::Idle;
            break;
        case KeyEffectKind::Undo: undo(e); break;
        case KeyEffectKind::Redo: redo(e); break;
        case KeyEffectKind::ApplySize: apply_size(e, k.size); break;
        case KeyEffectKind::SetTool: set_tool(e, k.tool); break;
    }
    return action;
}

ActionCall on_key(HWND window, WPARAM key, LPARAM lparam) {
    if (key == VK_SHIFT) {
        if (auto s = OpenSession::of(window); s && (lparam & (1 << 30)) == 0) cycle_color_format(**s);
        return {};
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    const auto vk_code = static_cast<uint32_t>(key);
    std::optional<CaptureDetect> switched;
    ActionCall action;
    {
        auto s = OpenSession::of(window);
        if (!s) return {};
        OverlayState& st = **s;
        const bool idle = st.selection.mouse_state == MouseState::Idle;
        switch (pre_key(vk_code, ctrl, idle, st.selection.rect.has_value())) {
            case PreKey::TakeHovered:
                if (st.selection.hovered)
                    set_overlay_selection(st, clamp_to_overlay(*st.selection.hovered, st.width(), st.height()));
                action = run_key_effect(st, map_key(vk_code, ctrl, shift, input_context(st)));
                break;
            case PreKey::RestoreLast:
                if (restore_last_selection(st) && st.selection.copy_on_select) action.action = OverlayAction::Copy;
                break;
            case PreKey::SwitchDetect:
                switch_detection(st);
                switched = st.selection.auto_select.detect;
                break;
            case PreKey::None: action = run_key_effect(st, map_key(vk_code, ctrl, shift, input_context(st))); break;
        }
        overlay_invalidate_changes(st);
    }
    if (switched) store_detection(*switched);
    return action;
}

void on_text_box(HWND window, UINT message, LPARAM box) {
    auto s = OpenSession::of(window);
    if (!s) return;
    Editor& e = (*s)->editor;
    if (!e.text_box || text_box_window(e) != reinterpret_cast<HWND>(box)) return;
    if (message == WM_APP_TEXT_DONE) {
        if (e.text_host) e.text_host->commit_text_edit(e);
    } else {
        fit_text_box(e);
    }
    overlay_invalidate_changes(**s);
}

LRESULT on_ctl_color(HWND window, WPARAM dc, LPARAM box) {
    if (auto s = OpenSession::of(window)) {
        const Editor& e = (*s)->editor;
        if (e.text_box && text_box_window(e) == reinterpret_cast<HWND>(box))
            return reinterpret_cast<LRESULT>(text_box_colors(e, reinterpret_cast<HDC>(dc)));
    }
    return DefWindowProcW(window, WM_CTLCOLOREDIT, dc, box);
}

void run(HWND window, const ActionCall& action) {
    if (action.action != OverlayAction::None) run_overlay_action(window, pack_action(action));
}

POINT point_of(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

}  // namespace

LRESULT CALLBACK overlay_wndproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: paint_overlay(window); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_CLOSE: end_capture(window, true); return 0;
        case WM_SETCURSOR:
            if (LOWORD(lparam) == HTCLIENT && overlay_set_cursor(window)) return TRUE;
            break;
        case WM_KEYDOWN: run(window, on_key(window, wparam, lparam)); return 0;
        case WM_COMMAND:
            if (HIWORD(wparam) == EN_CHANGE) on_text_box(window, message, lparam);
            return 0;
        case WM_CTLCOLOREDIT: return on_ctl_color(window, wparam, lparam);
        case WM_MOUSEMOVE: overlay_mouse_move(window, point_of(lparam)); return 0;
        case WM_LBUTTONDOWN: run(window, overlay_left_down(window, point_of(lparam))); return 0;
        case WM_LBUTTONUP: run(window, overlay_left_up(window, point_of(lparam))); return 0;
        case WM_LBUTTONDBLCLK: run(window, overlay_double_click(window, point_of(lparam))); return 0;
        case WM_RBUTTONUP: run(window, overlay_right_up(window)); return 0;
        case WM_MOUSEWHEEL: overlay_wheel(window, GET_WHEEL_DELTA_WPARAM(wparam)); return 0;
        case WM_CAPTURECHANGED: overlay_capture_changed(window, reinterpret_cast<HWND>(lparam)); return 0;
        case WM_DPICHANGED: return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) overlay_lost_activation(window);
            break;
        case WM_ACTIVATEAPP:
            if (!wparam) overlay_lost_activation(window);
            break;
        case WM_APP_OVERLAY_REFOCUS: overlay_take_focus_back(window); return 0;
        case WM_TIMER:
            if (wparam == TIMER_SPARE_IMAGES) drop_spare_images(window);
            return 0;
        case WM_APP_TEXT_DONE: on_text_box(window, message, lparam); return 0;
        case WM_APP_REDACT_DONE: on_redact_done(window, wparam, lparam); return 0;
        case WM_APP_UIA_RESULT: on_uia_result(window, wparam, lparam); return 0;
        case WM_DESTROY:
            if (auto cell = OVERLAY_HWND.try_borrow(); cell && **cell == window) **cell = nullptr;
            return 0;
        case WM_NCDESTROY:
            // The last message: records posted up to now are queued and would go with the window.
            drain_results<UiaResult>(window, WM_APP_UIA_RESULT);
            drain_results<RedactResult>(window, WM_APP_REDACT_DONE);
            // The session's buffers go with the window that showed them.
            if (auto cell = OVERLAY_SESSION.try_borrow(); cell && **cell && (**cell)->window == window) (*cell)->reset();
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
