#pragma once
// UI-thread cells of the application shell that other modules read.
#include <windows.h>

#include <cstdint>

#include "util/ui_cell.h"

// The hidden main window; 0 before start-up made it and in developer jobs.
extern thread_local UiCell<HWND> MAIN_HWND;
extern thread_local UiCell<UINT> TASKBAR_CREATED_MSG;
// Ticks of TIMER_PREWARM since it was last (re)started.
extern thread_local UiCell<uint32_t> PREWARM_TICKS;

inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE = 1;
inline constexpr UINT_PTR TIMER_PREWARM = 2;
inline constexpr UINT_PTR TIMER_DELAYED_CAPTURE_COPY = 3;
inline constexpr UINT PREWARM_INTERVAL_MS = 500;

// Restarts the pre-warm count (back to 0) and starts the timer on the main window unless it
// already runs: re-arming a running timer on every failed region grab (every 16 ms while
// recording) would postpone its tick for ever. Nothing without a main window.
void restart_prewarm_timer();
void stop_prewarm_timer();

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
