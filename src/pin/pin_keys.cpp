#include "pin/pin_keys.h"

PinKeyAction pin_key_action(uint32_t vk, bool ctrl, bool shift, bool locked) {
    // Always available, locked or not.
    switch (vk) {
        case PIN_VK_ESCAPE: return {PinAction::Close};
        case PIN_VK_SPACE: return {PinAction::Annotate};
        case PIN_VK_C: return ctrl ? PinKeyAction{PinAction::Copy} : PinKeyAction{};
        case PIN_VK_S: return ctrl ? PinKeyAction{PinAction::Save} : PinKeyAction{};
        case PIN_VK_O: return ctrl ? PinKeyAction{} : PinKeyAction{PinAction::Recognize};
        default: break;
    }
    if (locked) return {};
    const int32_t step = shift ? 10 : 1;
    switch (vk) {
        case PIN_VK_0:
        case PIN_VK_NUMPAD0: return ctrl ? PinKeyAction{PinAction::ActualSize} : PinKeyAction{};
        case PIN_VK_LEFT: return {PinAction::Move, -step, 0};
        case PIN_VK_RIGHT: return {PinAction::Move, step, 0};
        case PIN_VK_UP: return {PinAction::Move, 0, -step};
        case PIN_VK_DOWN: return {PinAction::Move, 0, step};
        case PIN_VK_ADD:
        case PIN_VK_OEM_PLUS: return {PinAction::ZoomIn};
        case PIN_VK_SUBTRACT:
        case PIN_VK_OEM_MINUS: return {PinAction::ZoomOut};
        default: return {};
    }
}

PinAction pin_double_click_action(bool shift, bool locked) {
    if (shift) return PinAction::Thumbnail;
    return locked ? PinAction::None : PinAction::Close;
}

PinAction pin_wheel_action(bool ctrl, bool locked) {
    if (ctrl) return PinAction::Opacity;
    return locked ? PinAction::None : PinAction::Zoom;
}
