#pragma once
// The private messages and timer ids that pass between this program's windows and workers.
#include <windows.h>

#include <cstddef>
#include <iterator>

// Private messages (WM_APP = 0x8000). Each has a number of its own, whichever window gets it,
// so a message read anywhere means one thing; APP_MESSAGES below checks that at compile time.
inline constexpr UINT WM_APP_TRAY = 0x8001;
inline constexpr UINT WM_APP_INSTANCE_COMMAND = 0x8002;
inline constexpr UINT WM_APP_TEXT_DONE = 0x801E;
// The editor's text box posts them to itself, so that they run outside whatever call opened or
// closed it.
inline constexpr UINT WM_APP_TEXT_BOX_FOCUS = 0x801F;
inline constexpr UINT WM_APP_TEXT_BOX_CLOSE = 0x8020;
inline constexpr UINT WM_APP_OCR_DONE = 0x8028;
inline constexpr UINT WM_APP_QR_DONE = 0x8029;
inline constexpr UINT WM_APP_REDACT_DONE = 0x802A;
inline constexpr UINT WM_APP_OCR_RERUN_DONE = 0x802B;
inline constexpr UINT WM_APP_UIA_RESULT = 0x8032;
inline constexpr UINT WM_APP_RECORD_DONE = 0x8033;
// A history write's outcome, on the main window.
inline constexpr UINT WM_APP_HISTORY_DONE = 0x8034;
// The overlay posts it to itself when it loses the activation during a capture.
inline constexpr UINT WM_APP_OVERLAY_REFOCUS = 0x8040;

// Every message above: a new one goes here too.
inline constexpr UINT APP_MESSAGES[] = {
    WM_APP_TRAY,          WM_APP_INSTANCE_COMMAND, WM_APP_TEXT_DONE,      WM_APP_TEXT_BOX_FOCUS,
    WM_APP_TEXT_BOX_CLOSE, WM_APP_OCR_DONE,        WM_APP_QR_DONE,        WM_APP_REDACT_DONE,
    WM_APP_OCR_RERUN_DONE, WM_APP_UIA_RESULT,      WM_APP_RECORD_DONE,    WM_APP_HISTORY_DONE,
    WM_APP_OVERLAY_REFOCUS,
};

consteval bool app_messages_distinct() {
    for (size_t i = 0; i < std::size(APP_MESSAGES); ++i) {
        if (APP_MESSAGES[i] < WM_APP || APP_MESSAGES[i] > 0xBFFF) return false;
        for (size_t j = i + 1; j < std::size(APP_MESSAGES); ++j)
            if (APP_MESSAGES[i] == APP_MESSAGES[j]) return false;
    }
    return true;
}
static_assert(app_messages_distinct(), "two private messages share a number, or one lies outside WM_APP..0xBFFF");

// Timers of the main window.
inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE = 1;
inline constexpr UINT_PTR TIMER_PREWARM = 2;
inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE_COPY = 3;
inline constexpr UINT_PTR TIMER_TRAY_RETRY = 4;
inline constexpr UINT PREWARM_INTERVAL_MS = 500;

// Timers of the overlay.
// Frees the last session's screen bitmaps once no capture has reused them.
inline constexpr UINT_PTR TIMER_SPARE_IMAGES = 1;
