#pragma once
// The overlay's actions as values: their numbers, the one 64-bit argument that carries an
// action with its extra value, and what run_overlay_action reads about each: whether it is
// offered, whether the focus goes back, and what a pin edit hands its pin. Platform-free.
#include <cstdint>
#include <optional>
#include <span>

#include "util/geometry.h"

enum class OverlayAction : uint8_t {
    None = 0,
    Close = 1,
    ConfirmDiscard = 2,
    Copy = 3,
    Save = 4,
    Pin = 5,
    FinishPinEdit = 6,
    CopyColorText = 7,
    CustomColor = 8,
    RecognizeText = 9,
    DecodeQr = 10,
    ScrollCapture = 11,
    Record = 12,
    LivePin = 13,
    HidePersonalData = 14,
};
inline constexpr uint8_t OVERLAY_ACTION_COUNT = 15;

struct ActionCall {
    OverlayAction action = OverlayAction::None;
    bool quick_save = false;  // Save: an automatic name, no dialog
    uint32_t rgb = 0;         // CopyColorText: 0xRRGGBB
    friend bool operator==(const ActionCall&, const ActionCall&) = default;
};

// Bits 0-7 the action, bit 8 quick save, bits 32 and up 0xRRGGBB. A number past the last
// action (15 and up) packs and unpacks as none.
uint64_t pack_action(const ActionCall& call);
ActionCall unpack_action(uint64_t packed);

enum class PinEditOutcome : uint8_t { Apply = 0, Copy = 1, Save = 2 };

struct ActionRules {
    bool offered = true;         // false: the action does nothing in this kind of session
    bool restore_focus = false;  // end_capture gives the focus back
    std::optional<PinEditOutcome> pin_edit_outcome;  // finish_pin_edit before the session ends
    friend bool operator==(const ActionRules&, const ActionRules&) = default;
};

ActionRules action_rules(OverlayAction action, bool pin_edit);

// The pin of a selection: its window's top-left one pixel up and left of the selection on the
// screen, so its 1-pixel border leaves the image where it was.
struct ScreenPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};
ScreenPoint pin_origin(const Rect& selection, int32_t origin_x, int32_t origin_y);

// A rectangle moved from overlay to screen coordinates (saturating).
Rect overlay_to_screen(const Rect& r, int32_t origin_x, int32_t origin_y);

// The live pin's source: the first window (topmost first, overlay coordinates) containing the
// selection's centre; its index, none when no window does.
std::optional<size_t> live_pin_source(std::span<const Rect> windows, const Rect& selection);

// GDI's 0x00BBGGRR and GDI+'s 0xAARRGGBB.
inline constexpr uint32_t argb_to_colorref(uint32_t argb) {
    return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}
inline constexpr uint32_t colorref_to_argb(uint32_t colorref) {
    return 0xFF000000u | ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) | ((colorref >> 16) & 0xFFu);
}
