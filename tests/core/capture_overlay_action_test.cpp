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
    // ends, restores focus, stores the last selection, writes history
    struct Row { A a; bool pin_edit; bool offered, ends, focus, last, history; };
    const Row rows[] = {
        {A::None, false, true, false, false, false, false},
        {A::Close, false, true, true, true, false, false},
        {A::ConfirmDiscard, false, true, true, true, false, false},
        {A::Copy, false, true, true, true, true, true},
        {A::Save, false, true, true, true, true, true},
        {A::Pin, false, true, true, false, true, true},
        {A::FinishPinEdit, false, true, true, false, false, false},
        {A::CopyColorText, false, true, true, true, false, false},
        {A::CustomColor, false, true, false, false, false, false},
        {A::RecognizeText, false, true, true, true, true, false},
        {A::DecodeQr, false, true, true, true, true, false},
        {A::ScrollCapture, false, true, true, true, true, false},
        {A::Record, false, true, true, true, true, false},
        {A::LivePin, false, true, true, true, true, false},
        {A::HidePersonalData, false, true, false, false, false, false},
        {A::Copy, true, true, true, false, false, false},
        {A::Save, true, true, true, false, false, false},
        {A::FinishPinEdit, true, true, true, false, false, false},
        {A::RecognizeText, true, true, true, true, false, false},
        {A::Pin, true, false, false, false, false, false},
        {A::ScrollCapture, true, false, false, false, false, false},
        {A::Record, true, false, false, false, false, false},
        {A::LivePin, true, false, false, false, false, false},
    };
    for (const Row& r : rows) {
        const ActionRules got = action_rules(r.a, r.pin_edit);
        SCOPED_TRACE(testing::Message() << int(r.a) << (r.pin_edit ? " pin edit" : ""));
        EXPECT_EQ(got.offered, r.offered);
        EXPECT_EQ(got.ends_session, r.ends);
        EXPECT_EQ(got.restore_focus, r.focus);
        EXPECT_EQ(got.stores_last_selection, r.last);
        EXPECT_EQ(got.writes_history, r.history);
    }
    EXPECT_EQ(action_rules(A::Copy, true).pin_edit_outcome, PinEditOutcome::Copy);
    EXPECT_EQ(action_rules(A::Save, true).pin_edit_outcome, PinEditOutcome::Save);
    EXPECT_EQ(action_rules(A::DecodeQr, true).pin_edit_outcome, PinEditOutcome::Apply);
    EXPECT_EQ(action_rules(A::Copy, false).pin_edit_outcome, std::nullopt);
    EXPECT_TRUE(action_rules(A::Record, false).flush_after_end);
    EXPECT_FALSE(action_rules(A::Copy, false).flush_after_end);
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
