#pragma once
// What a key, a double click or a wheel turn does on a pin, locked or not.
#include <cstdint>

enum class PinAction : uint8_t {
    None,
    Close,
    Annotate,
    ActualSize,
    Move,
    ZoomIn,
    ZoomOut,
    Copy,
    Save,
    Recognize,
    Thumbnail,
    Opacity,
    Zoom,
};

struct PinKeyAction {
    PinAction action = PinAction::None;
    int32_t dx = 0, dy = 0;  // Move only
    friend bool operator==(const PinKeyAction&, const PinKeyAction&) = default;
};

// Virtual-key codes this table reads (the same values as the system's).
inline constexpr uint32_t PIN_VK_ESCAPE = 0x1B, PIN_VK_SPACE = 0x20, PIN_VK_LEFT = 0x25, PIN_VK_UP = 0x26,
                          PIN_VK_RIGHT = 0x27, PIN_VK_DOWN = 0x28, PIN_VK_0 = 0x30, PIN_VK_C = 0x43, PIN_VK_O = 0x4F,
                          PIN_VK_S = 0x53, PIN_VK_NUMPAD0 = 0x60, PIN_VK_ADD = 0x6B, PIN_VK_SUBTRACT = 0x6D,
                          PIN_VK_OEM_PLUS = 0xBB, PIN_VK_OEM_MINUS = 0xBD;

PinKeyAction pin_key_action(uint32_t vk, bool ctrl, bool shift, bool locked);
// Shift+double click toggles the thumbnail; a plain one closes an unlocked pin.
PinAction pin_double_click_action(bool shift, bool locked);
// Ctrl+wheel sets the opacity; a plain wheel zooms an unlocked pin.
PinAction pin_wheel_action(bool ctrl, bool locked);
// A press of the left button drags an unlocked pin.
inline bool pin_drags(bool locked) { return !locked; }
