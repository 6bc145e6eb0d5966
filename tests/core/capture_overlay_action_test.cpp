#include <gtest/gtest.h>

#include <vector>

#include "capture/overlay_action.h"

TEST(OverlayAction, PackedArgumentCarriesActionQuickSaveAndColour) {
    struct Case { ActionCall call; uint64_t packed; };
    const Case cases[] = {
        {{OverlayAction::Save, true, 0}, 0x104},
        {{OverlayAction::CopyColorText, false, 0x2B7FFF}, 0x002B7FFF00000007ull},
        {{OverlayAction::HidePersonalData, false, 0}, 14},
        {{OverlayAction::None, false, 0}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pack_action(c.call), c.packed);
        EXPECT_EQ(unpack_action(c.packed), c.call);
    }
    EXPECT_EQ(unpack_action(15), ActionCall{});  // 15 and up mean no action
    EXPECT_EQ(unpack_action(0xFF), ActionCall{});
    EXPECT_EQ(pack_action({static_cast<OverlayAction>(15), true, 1}), 0u);
    EXPECT_EQ(unpack_action(0xFF00000000000003ull).rgb, 0u);  // only 24 colour bits
}

TEST(OverlayAction, PerActionTable) {
    using A = OverlayAction;
    using O = PinEditOutcome;
    const std::optional<O> none;
    struct Row { A a; bool pin_edit; bool offered, focus; std::optional<O> outcome; };
    const Row rows[] = {
        {A::None, false, true, false, none},
        {A::Close, false, true, true, none},
        {A::ConfirmDiscard, false, true, true, none},
        {A::Copy, false, true, true, none},
        {A::Save, false, true, true, none},
        {A::Pin, false, true, false, none},
        {A::FinishPinEdit, false, true, false, none},
        {A::CopyColorText, false, true, true, none},
        {A::CustomColor, false, true, false, none},
        {A::RecognizeText, false, true, true, none},
        {A::DecodeQr, false, true, true, none},
        {A::ScrollCapture, false, true, true, none},
        {A::Record, false, true, true, none},
        {A::LivePin, false, true, true, none},
        {A::HidePersonalData, false, true, false, none},
        {A::Close, true, true, true, none},
        {A::Copy, true, true, false, O::Copy},
        {A::Save, true, true, false, O::Save},
        {A::FinishPinEdit, true, true, false, O::Apply},
        {A::RecognizeText, true, true, true, O::Apply},
        {A::DecodeQr, true, true, true, O::Apply},
        {A::Pin, true, false, false, none},
        {A::ScrollCapture, true, false, false, none},
        {A::Record, true, false, false, none},
        {A::LivePin, true, false, false, none},
    };
    for (const Row& r : rows)
        EXPECT_EQ(action_rules(r.a, r.pin_edit), (ActionRules{r.offered, r.focus, r.outcome}))
            << int(r.a) << (r.pin_edit ? " pin edit" : "");
}

TEST(OverlayAction, PinGoesOnePixelUpAndLeftOfTheSelectionOnScreen) {
    EXPECT_EQ(pin_origin({100, 50, 300, 200}, 0, 0), (ScreenPoint{99, 49}));
    EXPECT_EQ(pin_origin({100, 50, 300, 200}, -1920, -200), (ScreenPoint{-1821, -151}));
    EXPECT_EQ(pin_origin({0, 0, 10, 10}, INT32_MIN, INT32_MIN), (ScreenPoint{INT32_MIN, INT32_MIN}));
    EXPECT_EQ(overlay_to_screen({10, 20, 30, 40}, -1920, 5), (Rect{-1910, 25, -1890, 45}));
}

TEST(OverlayAction, LivePinSourceIsTheTopmostWindowAtTheCentre) {
    const std::vector<Rect> windows = {{500, 500, 600, 600}, {0, 0, 400, 300}, {0, 0, 1920, 1080}};
    EXPECT_EQ(live_pin_source(windows, {100, 100, 300, 200}), 1u);  // centre (200, 150)
    EXPECT_EQ(live_pin_source(windows, {350, 100, 700, 200}), 2u);  // centre (525, 150)
    EXPECT_EQ(live_pin_source(windows, {550, 550, 552, 552}), 0u);
    EXPECT_EQ(live_pin_source(std::vector<Rect>{{0, 0, 10, 10}}, {20, 20, 30, 30}), std::nullopt);
}

TEST(OverlayAction, ColorrefRoundTrip) {
    EXPECT_EQ(argb_to_colorref(0xFFFF3B30), 0x00303BFFu);
    EXPECT_EQ(colorref_to_argb(0x00303BFF), 0xFFFF3B30u);
    for (uint32_t argb : {0xFF000000u, 0xFF123456u, 0xFFFFFFFFu, 0xFF2B7FFFu})
        EXPECT_EQ(colorref_to_argb(argb_to_colorref(argb)), argb);
}
