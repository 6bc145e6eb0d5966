#pragma once
// The settings window's parts below show_prefs_window: its UI-thread cells and the steps its
// procedures run. Everything here runs on the UI thread.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "prefs/prefs_hotkeys.h"
#include "util/geometry.h"
#include "util/ui_cell.h"

// One child control: its place in DIPs, its window and whether it takes the bold font.
struct ControlPlacement {
    Rect dips;
    HWND window = nullptr;
    bool bold = false;
};

struct PrefsWindowMetrics {
    uint32_t footer_top = 0;  // DIPs
    uint32_t width = 0;       // the client width W in DIPs
};

// The DPI the window is laid out for (at least 96 at opening; WM_DPICHANGED sets it as given).
extern UiCell<uint32_t> PREFS_DPI;
extern UiCell<std::vector<ControlPlacement>> PREFS_CONTROLS;
extern UiCell<PrefsWindowMetrics> PREFS_METRICS;
// What the three hotkey boxes show and Save writes.
extern UiCell<HotkeySlots> HOTKEY_SLOTS;
// The modifiers held while a hotkey box has the focus; 0 otherwise.
extern UiCell<uint32_t> HOTKEY_LIVE_MODIFIERS;
// Index-aligned with the "Translate into" items.
extern UiCell<std::vector<std::string>> TRANSLATE_CODES;

// Places every control for PREFS_DPI and gives it its font.
void relayout_prefs(HWND window);
// A text's width in the 14-pixel regular UI font, unscaled.
int32_t prefs_text_width(std::string_view text);
void paint_prefs_background(HWND window, HDC dc);

// The modifier bits held now (Ctrl, Alt, Shift, either Win key).
uint32_t modifier_state();
// One key pressed (or Print Screen released) in the box of that slot.
void hotkey_control_key(HWND control, int slot, uint32_t vk);
// Refreshes the three status texts while the window exists.
void validate_hotkey_fields();
// True when nobody holds the hotkey: a trial registration on the main window, let go at once.
bool hotkey_is_free(const Hotkey& hotkey);

// A child's text, trimmed.
std::string control_text(HWND window, int id);
// The number a field gives, as text to store (see read_number_text).
std::string read_number_field(HWND window, int id, uint64_t current, uint64_t minimum, uint64_t maximum);
// Save: autostart, settings.ini, reload; a failed write keeps the window and says so.
void prefs_save(HWND window);
// Browse: the folder dialog over the window; the chosen folder goes into the save-folder field.
void prefs_browse(HWND window);
