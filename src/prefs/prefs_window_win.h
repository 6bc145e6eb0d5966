#pragma once
// The settings window's parts below show_prefs_window: its record and the steps its procedures
// run. Everything here runs on the UI thread.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "prefs/prefs_hotkeys.h"
#include "util/geometry.h"
#include "win/window.h"

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

// The settings window's record: what its controls were made from and what the user entered
// that no control holds. The hotkey boxes read and write it through their parent.
struct PrefsWindow : BaseWindow<PrefsWindow> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelPrefs";

    // The DPI the window is laid out for (at least 96 at opening; WM_DPICHANGED sets it as given).
    uint32_t dpi = 96;
    PrefsWindowMetrics metrics;
    std::vector<ControlPlacement> controls;
    // What the three hotkey boxes show and Save writes.
    HotkeySlots slots;
    // The modifiers held while a hotkey box has the focus; 0 otherwise.
    uint32_t live_modifiers = 0;
    // Index-aligned with the "Translate into" items.
    std::vector<std::string> translate_codes;
    // The control that had the focus when the window was last deactivated.
    HWND last_focus = nullptr;
    bool closing = false;  // from WM_DESTROY on: no longer the open settings window
    bool saved = false;    // closed by Save, whose store has registered the new hotkeys

    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    // Save: autostart, then settings_store; a failed write keeps the window and says so.
    void save();
    // Browse: the folder dialog over the window; the chosen folder goes into the save-folder field.
    void browse();
};

// Places every control for the record's DPI and gives it its font.
void relayout_prefs(HWND window);
// A text's width in the 14-pixel regular UI font, unscaled.
int32_t prefs_text_width(std::string_view text);
void paint_prefs_background(HWND window, HDC dc);

// The modifier bits held now (Ctrl, Alt, Shift, either Win key).
uint32_t modifier_state();
// One key pressed (or Print Screen released) in the box of that slot.
void hotkey_control_key(HWND control, int slot, uint32_t vk);
// Refreshes the three status texts of the settings window, unless it is closing.
void validate_hotkey_fields(HWND window);
// True when nobody holds the hotkey: a trial registration on the main window, let go at once.
bool hotkey_is_free(const Hotkey& hotkey);

// A child's text, trimmed.
std::string control_text(HWND window, int id);
// The number a field gives, as text to store (see read_number_text).
std::string read_number_field(HWND window, int id, uint64_t current, uint64_t minimum, uint64_t maximum);
