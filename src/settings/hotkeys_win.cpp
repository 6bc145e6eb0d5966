#include "settings/hotkeys_win.h"

#include <utility>

#include "settings/settings_win.h"
#include "util/log.h"
#include "win/main_window.h"

UiCell<std::vector<Hotkey>> REGISTERED_HOTKEYS;

namespace {

int hotkey_id(HotkeyRole role) {
    switch (role) {
        case HotkeyRole::Capture: return HOTKEY_ID_CAPTURE;
        case HotkeyRole::Pin: return HOTKEY_ID_PIN;
        case HotkeyRole::CaptureCopy: return HOTKEY_ID_CAPTURE_COPY;
    }
    return 0;
}

}  // namespace

HotkeyReport register_hotkeys(HWND window) {
    unregister_hotkeys();
    const Settings settings = current_settings();
    // Two of our own on one key would have the system refuse the second as if another program
    // held it: the plan registers the first and names the pair instead.
    HotkeyPlan plan = plan_hotkeys(settings);
    HotkeyReport report{settings.unread_hotkeys, std::move(plan.clashes), {}};
    std::vector<std::string> registered;
    std::vector<Hotkey> held;
    for (const PlannedHotkey& p : plan.to_register) {
        if (RegisterHotKey(window, hotkey_id(p.role), p.hotkey.modifiers | MOD_NOREPEAT, p.hotkey.vk)) {
            held.push_back(p.hotkey.hotkey());
            registered.push_back(p.hotkey.text);
        } else {
            report.in_use.push_back(p.hotkey.text);
        }
    }
    REGISTERED_HOTKEYS.set(std::move(held));
    debug_log("hotkeys registered: " + hotkey_report_log(registered, report));
    return report;
}

void unregister_hotkeys() {
    HWND main = MAIN_HWND.get();
    for (int id : {HOTKEY_ID_CAPTURE, HOTKEY_ID_PIN, HOTKEY_ID_CAPTURE_COPY}) UnregisterHotKey(main, id);
    REGISTERED_HOTKEYS.set({});
}
