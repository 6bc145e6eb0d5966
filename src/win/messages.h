#pragma once
// The private messages and timer ids that pass between this program's windows and workers.
#include <windows.h>

// Private messages (WM_APP = 0x8000).
inline constexpr UINT WM_APP_TRAY = 0x8001;
inline constexpr UINT WM_APP_INSTANCE_COMMAND = 0x8002;
inline constexpr UINT WM_APP_TEXT_DONE = 0x801E;
inline constexpr UINT WM_APP_OCR_DONE = 0x8028;
inline constexpr UINT WM_APP_QR_DONE = 0x8029;
inline constexpr UINT WM_APP_REDACT_DONE = 0x802A;
inline constexpr UINT WM_APP_OCR_RERUN_DONE = 0x802B;
// 0x8032 means one thing on the overlay and another on the main window.
inline constexpr UINT WM_APP_UIA_RESULT = 0x8032;
inline constexpr UINT WM_APP_RECORD_DONE = 0x8032;
// The overlay posts it to itself when it loses the activation during a capture.
inline constexpr UINT WM_APP_OVERLAY_REFOCUS = 0x8040;
// A history write's outcome, on the main window.
inline constexpr UINT WM_APP_HISTORY_DONE = 0x8034;

// Timers of the main window.
inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE = 1;
inline constexpr UINT_PTR TIMER_PREWARM = 2;
inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE_COPY = 3;
inline constexpr UINT_PTR TIMER_TRAY_RETRY = 4;
inline constexpr UINT PREWARM_INTERVAL_MS = 500;

// Timers of the overlay.
// Frees the last session's screen bitmaps once no capture has reused them.
inline constexpr UINT_PTR TIMER_SPARE_IMAGES = 1;
