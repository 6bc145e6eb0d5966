#pragma once
// The tray menu as data, built from a snapshot of the state it shows. Platform-free.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "util/menu_model.h"

// Command ids of the tray menu items.
enum TrayCommand : uint32_t {
    TRAY_CAPTURE = 1,
    TRAY_PIN_CLIPBOARD = 2,
    TRAY_SHOW_HIDE_PINS = 3,
    TRAY_CLOSE_ALL_PINS = 4,
    TRAY_RESTORE_CLOSED_PIN = 5,
    TRAY_START_WITH_WINDOWS = 6,
    TRAY_SETTINGS = 7,
    TRAY_RELOAD_SETTINGS = 8,
    TRAY_OPEN_SCREENSHOT_FOLDER = 9,
    TRAY_EXIT = 10,
    TRAY_CAPTURE_COPY = 11,
    TRAY_CAPTURE_DELAYED = 12,
    TRAY_PIN_LAST_CAPTURE = 13,
    TRAY_OPEN_HISTORY_FOLDER = 14,
    TRAY_CLICK_THROUGH_OFF_ALL = 15,
    TRAY_STOP_RECORDING = 16,
};

struct TrayState {
    std::optional<HotkeySetting> capture_hotkey;
    std::optional<HotkeySetting> pin_hotkey;
    std::optional<HotkeySetting> capture_copy_hotkey;
    bool recording = false;
    bool any_pin = false;
    bool any_pin_click_through = false;
    bool closed_pins_empty = true;
    bool history_empty = true;
    bool autostart = false;
};

using TrayMenuItem = MenuItem;

std::vector<TrayMenuItem> build_tray_menu(const TrayState& state);

// One line for the diagnostic log (menu_summary).
inline std::string tray_menu_summary(const std::vector<TrayMenuItem>& items) { return menu_summary(items); }
