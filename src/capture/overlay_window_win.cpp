#include "capture/overlay_window_win.h"

#include <dwmapi.h>
#include <imm.h>

#include <mutex>

#include "capture/capture_win.h"
#include "capture/overlay_input_win.h"
#include "uia/uia_win.h"

UiCell<HWND> OVERLAY_HWND;

const WindowClass OVERLAY_WINDOW_CLASS{OVERLAY_CLASS, guarded_window_proc<overlay_wndproc>, CS_DBLCLKS, IDC_CROSS};

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

HWND live_overlay_hwnd() {
    const HWND h = OVERLAY_HWND.get();
    return h && IsWindow(h) ? h : nullptr;
}

bool composition_enabled() {
    BOOL on = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&on)) && on;
}

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
