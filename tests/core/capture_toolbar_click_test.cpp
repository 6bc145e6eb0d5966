#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "capture/redact_covers.h"
#include "capture/toolbar_click.h"

namespace {
ToolbarHit button(ToolbarItem item) { return {HitKind::Button, static_cast<uint8_t>(item)}; }
}  // namespace

TEST(ToolbarClick, ButtonsRunTheirActions) {
    using I = ToolbarItem;
    using A = OverlayAction;
    const std::pair<I, A> rows[] = {{I::RecognizeText, A::RecognizeText}, {I::Qr, A::DecodeQr},
                                    {I::Redact, A::HidePersonalData},    {I::ScrollCapture, A::ScrollCapture},
                                    {I::Record, A::Record},              {I::LivePin, A::LivePin},
                                    {I::Pin, A::Pin},                    {I::Save, A::Save},
                                    {I::Copy, A::Copy},                  {I::Cancel, A::Close},
                                    {I::Done, A::FinishPinEdit}};
    for (const auto& [item, action] : rows) {
        const ClickEffect e = toolbar_click_effect(button(item), Tool::None, std::nullopt);
        EXPECT_EQ(e.kind, ClickKind::Action) << int(item);
        EXPECT_EQ(e.action, action) << int(item);
    }
    EXPECT_EQ(toolbar_click_effect(button(I::Undo), Tool::None, std::nullopt).kind, ClickKind::Undo);
    EXPECT_EQ(toolbar_click_effect(button(I::Redo), Tool::None, std::nullopt).kind, ClickKind::Redo);
    EXPECT_EQ(toolbar_click_effect(button(I::Separator), Tool::None, std::nullopt).kind, ClickKind::None);
    EXPECT_EQ(toolbar_click_effect({HitKind::Background, 0}, Tool::None, std::nullopt).kind, ClickKind::None);
}

TEST(ToolbarClick, ToolButtonsAndOptionCells) {
    ClickEffect e = toolbar_click_effect(button(ToolbarItem::Mosaic), Tool::Rectangle, Tool::Rectangle);
    EXPECT_EQ(e.kind, ClickKind::SetTool);
    EXPECT_EQ(e.tool, Tool::Mosaic);
    EXPECT_EQ(toolbar_click_effect(button(ToolbarItem::Mosaic), Tool::Mosaic, Tool::Mosaic).tool, Tool::None);
    EXPECT_EQ(toolbar_click_effect(button(ToolbarItem::Eraser), Tool::None, std::nullopt).tool, Tool::Eraser);

    e = toolbar_click_effect({HitKind::Size, 2}, Tool::Pen, Tool::Pen);
    EXPECT_EQ(e.kind, ClickKind::ApplySize);
    EXPECT_EQ(e.size, 2u);
    e = toolbar_click_effect({HitKind::Colour, 4}, Tool::Pen, Tool::Pen);
    EXPECT_EQ(e.kind, ClickKind::ApplyColor);
    EXPECT_EQ(e.color, 0xFF007AFFu);
    EXPECT_EQ(toolbar_click_effect({HitKind::Colour, 8}, Tool::Pen, Tool::Pen).kind, ClickKind::None);
    EXPECT_EQ(toolbar_click_effect({HitKind::CustomColour, 0}, Tool::Pen, Tool::Pen).action, OverlayAction::CustomColor);
    // The Box switch follows the row's tool, also when a selected annotation chose the row.
    EXPECT_EQ(toolbar_click_effect({HitKind::StyleSwitch, 1}, Tool::None, Tool::Highlighter).flag,
              StyleFlag::HighlighterBox);
    EXPECT_EQ(toolbar_click_effect({HitKind::StyleSwitch, 1}, Tool::Highlighter, Tool::Mosaic).flag,
              StyleFlag::MosaicBox);
    EXPECT_EQ(toolbar_click_effect({HitKind::StyleSwitch, 3}, Tool::Text, Tool::Text).flag, StyleFlag::Outline);
}

TEST(RedactCovers, FlooredCeiledAndClampedToTheScanSelection) {
    const Rect sel{100, 50, 300, 150};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<CoverRect> rects = {
        {10.4f, 5.6f, 20.2f, 8.1f},   // (110, 55) to ceil(130.6, 63.7)
        {190.5f, 90.5f, 30, 30},      // past the bottom-right: clamped
        {-5, -5, 3, 3},               // wholly outside: dropped
        {nan, 0, 10, 10},             // not a number: dropped
        {50, 50, 0, 0},               // empty: dropped
    };
    const std::vector<Annotation> got = redact_to_annotations(rects, sel, 0xFF00FF00, true);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].points, (std::vector<AnnotationPoint>{{110, 55}, {131, 64}}));
    EXPECT_EQ(got[1].points, (std::vector<AnnotationPoint>{{290, 140}, {300, 150}}));
    for (const Annotation& a : got) {
        EXPECT_EQ(a.kind, Tool::Mosaic);
        EXPECT_TRUE(a.boxed);
        EXPECT_TRUE(a.blur);
        EXPECT_TRUE(a.outline);
        EXPECT_EQ(a.color, 0xFF00FF00u);
        EXPECT_EQ(a.width, 0.0f);
    }
}
