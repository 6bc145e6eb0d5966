#include "main/tray_menu.h"

#include <utility>

#include "main/shell_text.h"
#include "strings/ui_strings.h"

namespace {

std::string with_hotkey(UiText label, const std::optional<HotkeySetting>& hotkey) {
    return std::string(ui_text(label)) + "\t" + hotkey_text_or_dash(hotkey);
}

}  // namespace

std::vector<TrayMenuItem> build_tray_menu(const TrayState& s) {
    std::vector<TrayMenuItem> menu;
    if (s.recording) {
        menu.push_back(menu_item(TRAY_STOP_RECORDING, with_hotkey(MENU_STOP_RECORDING, s.capture_hotkey)));
        menu.push_back(menu_separator());
    }
    TrayMenuItem capture = menu_item(TRAY_CAPTURE, with_hotkey(MENU_CAPTURE, s.capture_hotkey));
    capture.is_default = true;
    menu.push_back(std::move(capture));
    std::string copy = ui_text(MENU_CAPTURE_COPY);
    if (s.capture_copy_hotkey) copy += "\t" + s.capture_copy_hotkey->text;
    menu.push_back(menu_item(TRAY_CAPTURE_COPY, std::move(copy)));
    menu.push_back(menu_item(TRAY_CAPTURE_DELAYED, ui_text(MENU_CAPTURE_DELAYED)));
    menu.push_back(menu_item(TRAY_PIN_CLIPBOARD, with_hotkey(MENU_PIN_CLIPBOARD, s.pin_hotkey)));

    TrayMenuItem history = menu_item(0, ui_text(MENU_HISTORY));
    TrayMenuItem last = menu_item(TRAY_PIN_LAST_CAPTURE, ui_text(MENU_PIN_LAST_CAPTURE));
    last.grayed = s.history_empty;
    history.submenu.push_back(std::move(last));
    history.submenu.push_back(menu_item(TRAY_OPEN_HISTORY_FOLDER, ui_text(MENU_OPEN_HISTORY_FOLDER)));
    menu.push_back(std::move(history));
    menu.push_back(menu_separator());

    TrayMenuItem show_hide = menu_item(TRAY_SHOW_HIDE_PINS, ui_text(MENU_SHOW_HIDE_PINS));
    show_hide.grayed = !s.any_pin;
    menu.push_back(std::move(show_hide));
    TrayMenuItem close_all = menu_item(TRAY_CLOSE_ALL_PINS, ui_text(MENU_CLOSE_ALL_PINS));
    close_all.grayed = !s.any_pin;
    menu.push_back(std::move(close_all));
    TrayMenuItem restore = menu_item(TRAY_RESTORE_CLOSED_PIN, ui_text(MENU_RESTORE_CLOSED_PIN));
    restore.grayed = s.closed_pins_empty;
    menu.push_back(std::move(restore));
    if (s.any_pin_click_through) menu.push_back(menu_item(TRAY_CLICK_THROUGH_OFF_ALL, ui_text(MENU_CLICK_THROUGH_OFF_ALL)));
    menu.push_back(menu_separator());

    TrayMenuItem autostart = menu_item(TRAY_START_WITH_WINDOWS, ui_text(MENU_START_WITH_WINDOWS));
    autostart.checked = s.autostart;
    menu.push_back(std::move(autostart));
    menu.push_back(menu_item(TRAY_SETTINGS, ui_text(MENU_SETTINGS)));
    menu.push_back(menu_item(TRAY_RELOAD_SETTINGS, ui_text(MENU_RELOAD_SETTINGS)));
    menu.push_back(menu_item(TRAY_OPEN_SCREENSHOT_FOLDER, ui_text(MENU_OPEN_SCREENSHOT_FOLDER)));
    menu.push_back(menu_separator());
    menu.push_back(menu_item(TRAY_EXIT, ui_text(MENU_EXIT)));
    return menu;
}
