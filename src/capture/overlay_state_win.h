#pragma once
// The open capture session and the UI thread's cells around it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/auto_select.h"
#include "capture/editor_state.h"
#include "capture/timing.h"
#include "capture/tool_settings.h"
#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "util/ui_cell.h"

enum class PinEditOutcome : uint8_t { Apply = 0, Copy = 1, Save = 2 };

struct OverlayState {
    HWND window = nullptr;  // the overlay showing this session
    EditorState editor;
    std::optional<DibBitmap> frozen;       // the grabbed virtual screen
    std::optional<DibBitmap> dimmed;       // its dimmed copy
    std::optional<DibBitmap> back_buffer;  // zero-filled, for painting
    std::optional<DibBitmap> highlight;    // 1 x 1, 0x002B7FFF
    HFONT font = nullptr;                  // ui_font's: kept for the process, not owned here
    AutoSelect select;                     // origin, size, monitors, windows, element state
    std::optional<Rect> hovered;
    uint64_t request_id = 0;               // of every UI Automation request of the session
    uint8_t mouse_state = 0;               // 0 idle
    int32_t cursor_x = 0, cursor_y = 0;    // overlay coordinates
    float scale = 1.0f;
    bool copy_on_select = false;
    HWND foreground = nullptr;             // when the capture was triggered
    bool pin_edit = false;
    HWND pin_window = nullptr;
    int32_t pin_offset_x = 0, pin_offset_y = 0;  // pin image position minus the origin
    PinEditOutcome pin_outcome = PinEditOutcome::Apply;
    int64_t trigger = 0;                   // performance counter
    std::vector<PhaseMark> marks;

    int32_t origin_x() const { return select.origin_x; }
    int32_t origin_y() const { return select.origin_y; }
    int32_t width() const { return select.width; }
    int32_t height() const { return select.height; }
};

extern thread_local UiCell<std::optional<OverlayState>> OVERLAY_SESSION;
extern thread_local UiCell<HWND> OVERLAY_HWND;
// Performance-counter instant at which the last session ended.
extern thread_local UiCell<std::optional<int64_t>> LAST_SESSION_END;
extern thread_local UiCell<uint64_t> CAPTURE_SEQ;
extern thread_local UiCell<ToolSettings> SESSION_CARRY;
extern thread_local UiCell<bool> BENCH_MODE;
extern thread_local UiCell<std::vector<TimingRun>> TIMING_RUNS;

int64_t perf_now();
double perf_ms_between(int64_t from, int64_t to);
