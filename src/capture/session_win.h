#pragma once
// The capture session's life on the UI thread: the overlay window, the end of a session,
// the timing marks, and the waits and focus moves of begin_capture.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture/overlay_state_win.h"
#include "capture/timing.h"
#include "uia/uia_types.h"

inline constexpr wchar_t OVERLAY_CLASS[] = L"OrmickOxelOverlay";
inline constexpr double UIA_WAIT_MS = 80.0;

// The overlay over the rectangle, made on first use (hidden from view) and reused afterwards;
// none when it cannot be created. It is never shown here uncloaked.
std::optional<HWND> overlay_window(int32_t x, int32_t y, int32_t width, int32_t height);
// Hides or shows the overlay: DWM cloaking where it works, else SW_HIDE / SW_SHOWNA.
void set_overlay_cloaked(HWND overlay, bool cloaked);
bool composition_enabled();

void end_capture(HWND window, bool restore_focus);

void phase_mark(std::string_view label);
std::optional<std::string> format_timing_marks();
std::vector<PhaseMark> clone_timing_marks();
void push_timing_run(std::vector<PhaseMark> marks);

// Takes only the overlay's WM_APP_UIA_RESULT messages, dropping answers to other requests,
// until the awaited answer comes or the deadline (performance counter) passes.
std::unique_ptr<UiaResult> wait_uia_result(HWND overlay, uint64_t request_id, int64_t deadline);
void force_foreground(HWND window);

// Auto-selection on the open session: the hit test sends its element query, if any.
std::optional<Rect> hit_test_window_element(OverlayState& state, int32_t x, int32_t y);
void merge_uia_result(OverlayState& state, const UiaResult& result);
Rect nearest_monitor(const OverlayState& state, int32_t x, int32_t y);
