#pragma once
// The capture session's life on the UI thread: begin_capture (capture_win.h) and end_capture,
// the timing marks, and the UI Automation answers a session waits for and merges.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "capture/overlay_state_win.h"
#include "capture/overlay_window_win.h"
#include "capture/timing.h"
#include "uia/uia_types.h"

inline constexpr double UIA_WAIT_MS = 80.0;

void end_capture(HWND window, bool restore_focus);

// The open session's marks (session_timing_win.cpp).
void phase_mark(std::string_view label);
std::optional<std::string> format_timing_marks();
std::vector<PhaseMark> clone_timing_marks();
void push_timing_run(std::vector<PhaseMark> marks);

// Takes only the overlay's WM_APP_UIA_RESULT messages, dropping answers to other requests,
// until the awaited answer comes or clock_ms() reaches the deadline (session_uia_win.cpp).
std::unique_ptr<UiaResult> wait_uia_result(HWND overlay, uint64_t request_id, double deadline_ms);
void force_foreground(HWND window);

// Auto-selection on the open session: the hit test sends its element query, if any.
std::optional<Rect> hit_test_window_element(OverlayState& state, int32_t x, int32_t y);
void merge_uia_result(OverlayState& state, const UiaResult& result);
Rect nearest_monitor(const OverlayState& state, int32_t x, int32_t y);
