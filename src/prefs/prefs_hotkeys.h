#pragma once
// The hotkey entry boxes' rules: which key makes which hotkey, what each box shows, and the
// status beside each box. Platform-free: the system's hotkey table is asked through a probe.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "strings/ui_text.h"

inline constexpr int HOTKEY_SLOT_COUNT = 3;
// Slot 0 capture, 1 capture and copy, 2 pin (not the order of the hotkey ids).
using HotkeySlots = std::array<std::optional<HotkeySetting>, HOTKEY_SLOT_COUNT>;

inline constexpr uint32_t VK_BACKSPACE_CODE = 0x08;
inline constexpr uint32_t VK_TAB_CODE = 0x09;
inline constexpr uint32_t VK_ENTER_CODE = 0x0D;
inline constexpr uint32_t VK_PAUSE_CODE = 0x13;
inline constexpr uint32_t VK_ESCAPE_CODE = 0x1B;
inline constexpr uint32_t VK_PRINT_SCREEN_CODE = 0x2C;
inline constexpr uint32_t VK_DELETE_CODE = 0x2E;
inline constexpr uint32_t VK_SCROLL_LOCK_CODE = 0x91;

// "Ctrl+", "Alt+", "Shift+", "Win+" in that order for the bits set.
std::string hotkey_text(uint32_t modifiers);

// Shift, Ctrl, Alt (either side or unsided) and the left or right Win key.
bool is_modifier_key(uint32_t vk);

enum class HotkeyKeyOutcome : uint8_t {
    Clear,         // Backspace or Delete alone: the hotkey is off
    Ignore,        // a key without a name
    NeedModifier,  // the combination would steal an ordinary key
    Set,
};
struct HotkeyKeyResult {
    HotkeyKeyOutcome outcome = HotkeyKeyOutcome::Ignore;
    std::optional<HotkeySetting> hotkey;  // with Set
};
// One key pressed in a box with these modifiers held.
HotkeyKeyResult classify_hotkey_key(uint32_t modifiers, uint32_t vk);

// A key message in a box: the key itself goes to classify_hotkey_key (Print Screen only when it
// is released, since the system delivers no press for it); everything else only refreshes the
// modifiers shown.
bool hotkey_key_message_is_key(bool key_down, uint32_t vk);

// Whether a box lets the dialog manager have a key press: Tab, Enter and Esc with no modifier
// move the focus, press Save or cancel; Shift+Tab moves the focus back. With any other modifier
// they are the box's (Ctrl+Enter is a hotkey).
bool hotkey_box_passes_key(uint32_t vk, uint32_t modifiers);

struct HotkeyBoxText {
    std::string text;
    bool grey = false;  // a prompt rather than a hotkey
};
// What a box shows: the modifiers held while it has the focus, else its hotkey, else a prompt.
HotkeyBoxText hotkey_box_text(bool focused, uint32_t live_modifiers, const std::optional<HotkeySetting>& slot);

enum class HotkeyStatusKind : uint8_t { None, SameAs, InUse };
struct HotkeyStatus {
    HotkeyStatusKind kind = HotkeyStatusKind::None;
    int same_as = -1;  // the other slot, with SameAs
    friend bool operator==(const HotkeyStatus&, const HotkeyStatus&) = default;
};
// True when the hotkey could be registered now (nobody else holds it).
using HotkeyProbe = std::function<bool(const Hotkey&)>;
// Per slot: empty; the same as another slot; one of the program's own registered hotkeys
// (fine); else taken when the probe fails. The probe is asked only in the last case.
std::array<HotkeyStatus, HOTKEY_SLOT_COUNT> hotkey_statuses(const HotkeySlots& slots,
                                                             const std::vector<Hotkey>& registered,
                                                             const HotkeyProbe& probe);
UiText hotkey_slot_name(int slot);
// The status as the window shows it, in the UI language.
std::string hotkey_status_text(const HotkeyStatus& status);
