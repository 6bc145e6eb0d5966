#include "prefs/prefs_hotkeys.h"

#include <algorithm>

#include "strings/ui_strings.h"
#include "util/text.h"

namespace {

constexpr uint32_t VK_F1_CODE = 0x70;
constexpr uint32_t VK_F24_CODE = 0x87;
constexpr const char* ELLIPSIS = "\xE2\x80\xA6";  // U+2026

}  // namespace

std::string hotkey_text(uint32_t modifiers) {
    std::string out;
    if (modifiers & MOD_CONTROL_BIT) out += "Ctrl+";
    if (modifiers & MOD_ALT_BIT) out += "Alt+";
    if (modifiers & MOD_SHIFT_BIT) out += "Shift+";
    if (modifiers & MOD_WIN_BIT) out += "Win+";
    return out;
}

bool is_modifier_key(uint32_t vk) {
    switch (vk) {
        case 0x10: case 0x11: case 0x12:                          // Shift, Ctrl, Alt
        case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // their sided codes
        case 0x5B: case 0x5C:                                     // left and right Win
            return true;
        default:
            return false;
    }
}

HotkeyKeyResult classify_hotkey_key(uint32_t modifiers, uint32_t vk) {
    if (modifiers == 0 && (vk == VK_BACKSPACE_CODE || vk == VK_DELETE_CODE)) return {HotkeyKeyOutcome::Clear, {}};
    std::optional<HotkeySetting> candidate = key_name(modifiers, vk);
    if (!candidate) return {HotkeyKeyOutcome::Ignore, {}};
    const bool function_key = vk >= VK_F1_CODE && vk <= VK_F24_CODE;
    const bool lone_key = vk == VK_PAUSE_CODE || vk == VK_PRINT_SCREEN_CODE || vk == VK_SCROLL_LOCK_CODE;
    if (!function_key && !lone_key && (modifiers == 0 || modifiers == MOD_SHIFT_BIT))
        return {HotkeyKeyOutcome::NeedModifier, {}};
    return {HotkeyKeyOutcome::Set, std::move(candidate)};
}

bool hotkey_key_message_is_key(bool key_down, uint32_t vk) {
    if (vk == VK_PRINT_SCREEN_CODE) return !key_down;
    return key_down && !is_modifier_key(vk);
}

bool hotkey_box_passes_key(uint32_t vk, uint32_t modifiers) {
    if (vk == VK_TAB_CODE) return modifiers == 0 || modifiers == MOD_SHIFT_BIT;
    return (vk == VK_ENTER_CODE || vk == VK_ESCAPE_CODE) && modifiers == 0;
}

HotkeyBoxText hotkey_box_text(bool focused, uint32_t live_modifiers, const std::optional<HotkeySetting>& slot) {
    if (focused && live_modifiers != 0) return {hotkey_text(live_modifiers) + ELLIPSIS, false};
    if (slot) return {slot->text, false};
    return {ui_text(focused ? PREFS_HOTKEY_PRESS_KEYS : PREFS_HOTKEY_NONE), true};
}

std::array<HotkeyStatus, HOTKEY_SLOT_COUNT> hotkey_statuses(const HotkeySlots& slots,
                                                             const std::vector<Hotkey>& registered,
                                                             const HotkeyProbe& probe) {
    std::array<HotkeyStatus, HOTKEY_SLOT_COUNT> out{};
    for (int i = 0; i < HOTKEY_SLOT_COUNT; ++i) {
        if (!slots[i]) continue;
        const Hotkey key = slots[i]->hotkey();
        for (int j = 0; j < HOTKEY_SLOT_COUNT; ++j) {
            if (j != i && slots[j] && slots[j]->hotkey() == key) {
                out[i] = {HotkeyStatusKind::SameAs, j};
                break;
            }
        }
        if (out[i].kind == HotkeyStatusKind::SameAs) continue;
        if (std::find(registered.begin(), registered.end(), key) != registered.end()) continue;
        if (probe && !probe(key)) out[i] = {HotkeyStatusKind::InUse, -1};
    }
    return out;
}

UiText hotkey_slot_name(int slot) {
    switch (slot) {
        case 1: return MENU_CAPTURE_COPY;
        case 2: return MENU_PIN_CLIPBOARD;
        default: return MENU_CAPTURE;
    }
}

std::string hotkey_status_text(const HotkeyStatus& status) {
    switch (status.kind) {
        case HotkeyStatusKind::SameAs:
            return replace_all(ui_text(PREFS_HOTKEY_SAME_AS), "{name}", ui_text(hotkey_slot_name(status.same_as)));
        case HotkeyStatusKind::InUse:
            return ui_text(PREFS_HOTKEY_IN_USE);
        case HotkeyStatusKind::None:
            break;
    }
    return {};
}
