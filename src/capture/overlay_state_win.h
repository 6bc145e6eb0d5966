#pragma once
// The open capture session and the UI thread's cells around it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "annot/render_win.h"
#include "capture/auto_select.h"
#include "capture/overlay_action.h"
#include "capture/overlay_layout.h"
#include "capture/timing.h"
#include "editor/editor.h"
#include "editor/tool_settings.h"
#include "image/dib_bitmap_win.h"
#include "toolbar/mouse_state.h"
#include "toolbar/toolbar_layout.h"
#include "util/geometry.h"
#include "util/ui_cell.h"

// The grabbed virtual screen and what painting draws from.
struct OverlayImages {
    std::optional<DibBitmap> frozen;       // the grabbed virtual screen
    std::optional<DibBitmap> dimmed;       // its dimmed copy
    std::optional<DibBitmap> back_buffer;  // zero-filled, for painting
    std::optional<DibBitmap> highlight;    // 1 x 1, 0x002B7FFF
    // Mosaic and blurred copies of the frozen screen under the selection, shared by painting and
    // the composed output; brought in line with the selection before each use.
    std::optional<MosaicCache> mosaic;
};

// Auto-selection and the pointer.
struct OverlaySelection {
    AutoSelect auto_select;                // origin, size, monitors, windows, element state
    std::optional<Rect> hovered;
    uint64_t request_id = 0;               // of every UI Automation request of the session
    MouseState mouse_state = MouseState::Idle;
    int32_t cursor_x = 0, cursor_y = 0;    // overlay coordinates
    bool copy_on_select = false;
    std::optional<Rect> rect;              // the confirmed selection
    int32_t drag_x = 0, drag_y = 0;        // where a Selecting press went down
    bool drag_moved = false;               // it has gone more than 3 pixels from there
    ToolbarHit toolbar_hover = TOOLBAR_OUTSIDE;  // the last toolbar hit under the pointer
    ToolbarHit toolbar_press = TOOLBAR_OUTSIDE;  // the hit at the press while mouse_state is ToolbarPress
    int32_t down_x = 0, down_y = 0;        // the last left-button press
    Rect press_rect;                       // the selection at a Moving or Resizing press
    uint8_t press_handle = 8;              // the handle a Resizing press took
};

// The plain selection cropped from the frozen screen, kept while the selection stays.
struct OverlayOutput {
    std::optional<DibBitmap> image;
    Rect selection;
};

// The personal-data scan of this session.
struct RedactScan {
    bool busy = false;
    Rect selection;                        // as it was when the scan started
};

// The pin whose image the session edits.
struct PinEditState {
    HWND pin = nullptr;
    int32_t offset_x = 0, offset_y = 0;    // pin image position minus the origin
    PinEditOutcome outcome = PinEditOutcome::Apply;
};

// The frozen selection with the annotations drawn on it, kept while neither changes: painting
// the annotations again costs far more than copying them.
struct AnnotationLayer {
    std::optional<DibBitmap> pixels;
    Rect area;                      // the selection it was drawn for
    std::vector<Annotation> drawn;  // the list it shows
};

// What painting keeps between repaints.
struct OverlayPaint {
    OverlayLayout layout;          // as last invalidated
    AnnotationLayer layer;
    uint32_t failures_logged = 0;  // one bit per painting step whose failure is in the log
};

struct SessionTiming {
    double trigger_ms = 0;                 // clock_ms() at the trigger
    std::vector<PhaseMark> marks;
};

struct OverlayState {
    HWND window = nullptr;                 // the overlay showing this session
    HWND foreground = nullptr;             // when the capture was triggered
    float scale = 1.0f;
    HFONT font = nullptr;                  // ui_font's: kept for the process, not owned here
    OverlayImages images;
    OverlaySelection selection;
    Editor editor;
    std::optional<PinEditState> pin_edit;  // none: a normal capture
    OverlayPaint paint;
    OverlayOutput output;
    RedactScan redact;
    SessionTiming timing;

    int32_t origin_x() const { return selection.auto_select.origin_x; }
    int32_t origin_y() const { return selection.auto_select.origin_y; }
    int32_t width() const { return selection.auto_select.width; }
    int32_t height() const { return selection.auto_select.height; }
};

extern UiCell<std::optional<OverlayState>> OVERLAY_SESSION;
// clock_ms() at which the last session ended.
extern UiCell<std::optional<double>> LAST_SESSION_END;
extern UiCell<uint64_t> CAPTURE_SEQ;
extern UiCell<ToolSettings> SESSION_CARRY;
extern UiCell<bool> BENCH_MODE;
extern UiCell<std::vector<TimingRun>> TIMING_RUNS;
