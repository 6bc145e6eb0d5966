#include "settings/hotkeys_win.h"

#include <utility>

#include "settings/settings_win.h"
#include "util/log.h"
#include "win/main_window.h"

UiCell<std::vector<Hotkey>> REGISTERED_HOTKEYS;

namespace {

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : ", ") + t;
    return out.empty() ? "none" : out;
}

}  // namespace

std::vector<std::string> register_hotkeys(HWND window) {
    unregister_hotkeys();
    const Settings settings = current_settings();
    const std::pair<int, const std::optional<HotkeySetting>*> wanted[] = {
        {HOTKEY_ID_CAPTURE, &settings.capture_hotkey},
        {HOTKEY_ID_PIN, &settings.pin_hotkey},
        {HOTKEY_ID_CAPTURE_COPY, &settings.capture_copy_hotkey},
    };
    std::vector<std::string> failed;
    std::vector<std::string> registered;
    std::vector<Hotkey> held;
    for (const auto& [id, setting] : wanted) {
        if (!*setting) continue;
        const HotkeySetting& hotkey = **setting;
        if (RegisterHotKey(window, id, hotkey.modifiers | MOD_NOREPEAT, hotkey.vk)) {
            held.push_back(hotkey.hotkey());
            registered.push_back(hotkey.text);
        } else {
            failed.push_back(hotkey.text);
        }
    }
    REGISTERED_HOTKEYS.set(std::move(held));
    debug_log("hotkeys registered: " + joined(registered) + "; in use: " + joined(failed));
    return failed;
}

void unregister_hotkeys() {
    HWND main = MAIN_HWND.get();
    for (int id : {HOTKEY_ID_CAPTURE, HOTKEY_ID_PIN, HOTKEY_ID_CAPTURE_COPY}) UnregisterHotKey(main, id);
    REGISTERED_HOTKEYS.set({});
}
