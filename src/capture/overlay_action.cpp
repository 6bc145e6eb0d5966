#include "capture/overlay_action.h"

#include <algorithm>

#include "capture/auto_select.h"

uint64_t pack_action(const ActionCall& call) {
    const auto n = static_cast<uint8_t>(call.action);
    if (n >= OVERLAY_ACTION_COUNT) return 0;
    return uint64_t{n} | (call.quick_save ? uint64_t{1} << 8 : 0) | (uint64_t{call.rgb & 0xFFFFFFu} << 32);
}

ActionCall unpack_action(uint64_t packed) {
    const auto n = static_cast<uint8_t>(packed & 0xFF);
    if (n >= OVERLAY_ACTION_COUNT) return {};
    ActionCall call;
    call.action = static_cast<OverlayAction>(n);
    call.quick_save = ((packed >> 8) & 1) != 0;
    call.rgb = static_cast<uint32_t>(packed >> 32) & 0xFFFFFFu;
    return call;
}

ActionRules action_rules(OverlayAction action, bool pin_edit) {
    ActionRules r;
    using A = OverlayAction;
    switch (action) {
        case A::None:
        case A::CustomColor:
        case A::HidePersonalData: break;
        case A::Close:
        case A::ConfirmDiscard:
        case A::CopyColorText: r.restore_focus = true; break;
        case A::Copy:
        case A::Save:
        case A::FinishPinEdit:
            if (pin_edit) {
                // The pin copies or saves its own image with the new annotations.
                r.pin_edit_outcome = action == A::Copy   ? PinEditOutcome::Copy
                                     : action == A::Save ? PinEditOutcome::Save
                                                         : PinEditOutcome::Apply;
            } else {
                r.restore_focus = action != A::FinishPinEdit;
            }
            break;
        case A::Pin:
        case A::ScrollCapture:
        case A::Record:
        case A::LivePin:
            r.offered = !pin_edit;
            r.restore_focus = !pin_edit && action != A::Pin;  // the new pin takes the focus
            break;
        case A::RecognizeText:
        case A::DecodeQr:
            r.restore_focus = true;
            if (pin_edit) r.pin_edit_outcome = PinEditOutcome::Apply;
            break;
    }
    return r;
}

ScreenPoint pin_origin(const Rect& selection, int32_t origin_x, int32_t origin_y) {
    return {saturate_i32(int64_t{origin_x} + selection.l - 1), saturate_i32(int64_t{origin_y} + selection.t - 1)};
}

Rect overlay_to_screen(const Rect& r, int32_t origin_x, int32_t origin_y) {
    return {saturate_i32(int64_t{r.l} + origin_x), saturate_i32(int64_t{r.t} + origin_y),
            saturate_i32(int64_t{r.r} + origin_x), saturate_i32(int64_t{r.b} + origin_y)};
}

std::optional<size_t> live_pin_source(std::span<const Rect> windows, const Rect& selection) {
    const int32_t cx = saturate_i32(int64_t{selection.l} + selection.width64() / 2);
    const int32_t cy = saturate_i32(int64_t{selection.t} + selection.height64() / 2);
    for (size_t i = 0; i < windows.size(); ++i)
        if (windows[i].contains(cx, cy)) return i;
    return std::nullopt;
}
