#pragma once
// The settings window's geometry: the column widths measured from its texts, the table of its
// controls in device-independent pixels (96 per inch), and the scaling to a monitor's DPI.
// Platform-free.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "strings/ui_text.h"
#include "util/geometry.h"

inline constexpr int32_t PREFS_CLIENT_HEIGHT = 712;
inline constexpr int32_t PREFS_FOOTER_TOP = 650;
inline constexpr int32_t PREFS_MIN_WIDTH = 600;
inline constexpr int32_t PREFS_MAX_WIDTH = 960;

enum PrefsControlId : int {
    PREFS_ID_SAVE = 1,
    PREFS_ID_CANCEL = 2,
    PREFS_ID_HOTKEY_FIRST = 100,  // 100 to 102: slots 0 to 2
    PREFS_ID_STATUS_FIRST = 110,  // 110 to 112: the slots' status texts
    PREFS_ID_AUTOSTART = 120,
    PREFS_ID_SAVE_DIR = 121,
    PREFS_ID_BROWSE = 122,
    PREFS_ID_HISTORY = 123,
    PREFS_ID_LOW_MEMORY = 124,
    PREFS_ID_DETECT = 125,
    PREFS_ID_RECORD_FORMAT = 130,
    PREFS_ID_RECORD_FPS = 131,
    PREFS_ID_RECORD_CURSOR = 132,
    PREFS_ID_TRANSLATE = 140,
    PREFS_ID_EDIT_FILE = 150,
};

// Widths in pixels of texts drawn in the 14-pixel regular UI font at 96 DPI.
struct PrefsTextWidths {
    // MENU_CAPTURE, MENU_CAPTURE_COPY, MENU_PIN_CLIPBOARD, PREFS_DETECT_AUTO, PREFS_SAVE_FOLDER,
    // PREFS_HISTORY, PREFS_RECORD_FORMAT, PREFS_RECORD_FPS, PREFS_TRANSLATE_INTO
    std::array<int32_t, 9> row_labels{};
    int32_t browse = 0, edit_file = 0, save = 0, cancel = 0;
    int32_t hotkey_hint = 0, detect_tab_hint = 0, history_off_hint = 0, record_fps_hint = 0;
    int32_t start_with_windows = 0, low_memory = 0, record_cursor = 0;
};
// The texts whose widths PrefsTextWidths holds, in its order (the nine row labels first).
inline constexpr std::array<UiText, 9> PREFS_ROW_LABELS = {
    MENU_CAPTURE,       MENU_CAPTURE_COPY, MENU_PIN_CLIPBOARD,  PREFS_DETECT_AUTO,   PREFS_SAVE_FOLDER,
    PREFS_HISTORY,      PREFS_RECORD_FORMAT, PREFS_RECORD_FPS, PREFS_TRANSLATE_INTO,
};

// In DIPs: label column L, Browse BW, "Edit settings file" EW, Save/Cancel BTN, client width W.
struct PrefsMetrics {
    int32_t label = 0, browse = 0, edit_file = 0, button = 0, width = 0;
    friend bool operator==(const PrefsMetrics&, const PrefsMetrics&) = default;
};
PrefsMetrics compute_prefs_metrics(const PrefsTextWidths& widths);

enum class PrefsControlKind : uint8_t {
    Header,         // bold section title
    Label,          // one line, vertically centred (row labels and the short hints)
    Note,           // the hotkey hint, which may wrap
    Status,         // a hotkey's status, cut with an ellipsis
    Hotkey,         // the program's own hotkey entry control
    Check,          // automatic check box
    Combo,          // drop-down list
    FolderEdit,     // the save folder
    NumberEdit,     // digits only
    Button,
    DefaultButton,  // Save
};

struct PrefsControlSpec {
    int id = 0;
    PrefsControlKind kind = PrefsControlKind::Label;
    std::optional<UiText> text;  // none: empty, or filled in afterwards
    Rect dips;                   // left, top, right, bottom
};
// Every control in creation order, which is also the Tab order.
std::vector<PrefsControlSpec> prefs_control_table(const PrefsMetrics& metrics);

// A static control's text colour as 0x00BBGGRR; none for the system's window-text colour.
std::optional<uint32_t> prefs_static_colour(int id);

// round(v × dpi / 96) with the factor in 32-bit float, ties away from zero, kept in 32 bits.
int32_t prefs_scale(int32_t dips, uint32_t dpi);

struct PixelPlace {
    int32_t x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const PixelPlace&, const PixelPlace&) = default;
};
// x = round(l·s), width = round(r·s) − x, likewise vertically.
PixelPlace scale_placement(const Rect& dips, uint32_t dpi);

// Font heights in pixels: round(dpi × 15 / 96) bold and round(dpi × 14 / 96) regular.
struct PrefsFonts {
    int32_t bold = 0, regular = 0;
    friend bool operator==(const PrefsFonts&, const PrefsFonts&) = default;
};
PrefsFonts prefs_font_heights(uint32_t dpi);
// round(dpi × dips / 96) without integer division (the hotkey box's padding and bar).
int32_t prefs_pixels(uint32_t dpi, int32_t dips);

struct PixelSize {
    int32_t w = 0, h = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
// The client area: W × 712 DIPs at the DPI.
PixelSize prefs_client_size(int32_t width_dips, uint32_t dpi);

// The DPI the window is laid out at: the monitor's, lowered just as far as the whole window (the
// W × 712-DIP client area and the frame the system draws round it, `frame` pixels in all at the
// monitor's DPI) needs to fit the work area, so every control stays reachable on a short or
// narrow screen. Never below PREFS_MIN_LAYOUT_DPI, where the text would be too small to read.
inline constexpr uint32_t PREFS_MIN_LAYOUT_DPI = 48;
uint32_t prefs_fit_dpi(uint32_t monitor_dpi, int32_t width_dips, PixelSize work, PixelSize frame);

// The outer rectangle's top-left, centred in the work area (integer halving); the top and the
// left never outside the work area's.
struct PixelPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
PixelPoint prefs_window_origin(const Rect& work, PixelSize outer);
