#include <gtest/gtest.h>

#include <vector>

#include "frame/frame_layout.h"

namespace {

const Rect WORK{0, 0, 1920, 1040};
const std::vector<int32_t> LABELS{40, 50};

}  // namespace

TEST(FrameLayout, StripBelowAboveOrInsideTheRing) {
    struct Case {
        const char* name;
        Rect rect;
        Rect work;
        Rect strip;
    };
    // Strip 320 x 42 at scale 1: buttons from 176, each label + 22, gaps of 4, padding 6.
    const Case cases[] = {
        {"below", {100, 100, 500, 400}, WORK, {182, 410, 502, 452}},
        {"above at the work-area bottom", {100, 900, 500, 1040}, WORK, {182, 848, 502, 890}},
        {"inside when the rectangle fills the work area", WORK, WORK, {1600, 990, 1920, 1032}},
        {"right-aligned but kept on the work area", {0, 100, 100, 200}, WORK, {0, 210, 320, 252}},
        {"on a monitor left of the primary", {-1500, 300, -1000, 1040}, {-1920, 0, 0, 1040},
         {-1318, 248, -998, 290}},
    };
    for (const Case& c : cases) {
        const FrameLayout l = frame_layout(c.rect, c.work, 1.0f, LABELS, false);
        EXPECT_EQ(l.strip, c.strip) << c.name;
        EXPECT_EQ(l.border, 2) << c.name;
        EXPECT_EQ(l.ring, (Rect{c.rect.l - 2, c.rect.t - 2, c.rect.r + 2, c.rect.b + 2})) << c.name;
        EXPECT_EQ(l.hole, (Rect{2, 2, 2 + c.rect.width(), 2 + c.rect.height()})) << c.name;
        EXPECT_FALSE(l.preview) << c.name;
    }
}

TEST(FrameLayout, ButtonsAndStatusArea) {
    const FrameLayout l = frame_layout({100, 100, 500, 400}, WORK, 1.0f, LABELS, false);
    EXPECT_EQ(l.buttons, (std::vector<Rect>{{176, 6, 238, 36}, {242, 6, 314, 36}}));
    EXPECT_EQ(l.status, (Rect{12, 0, 176, 42}));
    EXPECT_EQ(l.corner, 10);
    const FrameLayout none = frame_layout({100, 100, 500, 400}, WORK, 1.0f, {}, false);
    EXPECT_TRUE(none.buttons.empty());
    EXPECT_EQ(none.strip.width(), 178);  // P + 170 + P - G
}

TEST(FrameLayout, AStatusTextWiderThanItsAreaPushesTheButtonsRight) {
    const FrameLayout l = frame_layout({100, 100, 500, 400}, WORK, 1.0f, LABELS, false, 300);
    EXPECT_EQ(l.status, (Rect{12, 0, 320, 42}));  // the text and a gap of 8 before the first button
    EXPECT_EQ(l.buttons.front().l, 320);
    EXPECT_EQ(l.strip, (Rect{502 - 464, 410, 502, 452}));
    // A short text keeps the usual area; on a narrow work area the strip takes its whole width.
    EXPECT_EQ(frame_layout({100, 100, 500, 400}, WORK, 1.0f, LABELS, false, 100).status, (Rect{12, 0, 176, 42}));
    const FrameLayout narrow = frame_layout({0, 100, 500, 400}, {0, 0, 600, 1040}, 1.0f, LABELS, false, 900);
    EXPECT_EQ(narrow.strip.width(), 600);
    EXPECT_EQ(narrow.buttons.back().r + 6, 600);
}

TEST(FrameLayout, SizesAtOneAndAHalf) {
    const FrameLayout l = frame_layout({100, 100, 500, 400}, WORK, 1.5f, LABELS, true);
    EXPECT_EQ(l.border, 3);
    EXPECT_EQ(l.strip.height(), 63);
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.buttons[0], (Rect{264, 9, 337, 54}));
    EXPECT_EQ(l.buttons[1].l, 337 + 6);
    EXPECT_EQ(l.corner, 16);  // 2 x round(7.5)
    ASSERT_TRUE(l.preview);
    EXPECT_EQ(l.preview->width(), 225);
    EXPECT_EQ(l.preview->l, 503 + 12);
    // Rounding is half away from zero, also at small scales.
    EXPECT_EQ(frame_px(2, 0.75f), 2);
    EXPECT_EQ(frame_px(6, 1.25f), 8);
    EXPECT_EQ(frame_px(1, 0.5f), 1);
}

TEST(FrameLayout, PreviewRightLeftOrNone) {
    struct Case {
        const char* name;
        Rect rect;
        Rect work;
        std::optional<Rect> preview;
    };
    const Rect left_monitor{-1920, 0, 0, 1040};
    const Case cases[] = {
        {"right of the ring", {100, 100, 500, 400}, WORK, Rect{510, 100, 660, 400}},
        {"left near the right edge, at least 120 high", {1700, 100, 1900, 200}, WORK, Rect{1540, 100, 1690, 220}},
        {"no room on either side", {100, 100, 1800, 200}, WORK, std::nullopt},
        {"kept above the work-area bottom", {100, 980, 500, 1030}, WORK, Rect{510, 920, 660, 1040}},
        {"no taller than the work area less 40", {100, 0, 500, 1040}, WORK, Rect{510, 0, 660, 1000}},
        {"negative coordinates: right", {-1800, 100, -1500, 300}, left_monitor, Rect{-1490, 100, -1340, 300}},
        {"negative coordinates: left", {-300, 100, -20, 300}, left_monitor, Rect{-460, 100, -310, 300}},
        {"negative coordinates: none", {-1820, 100, -100, 200}, left_monitor, std::nullopt},
        {"short work area: the upper bound wins", {100, 10, 300, 60}, {0, 0, 800, 150}, Rect{310, 10, 460, 120}},
    };
    for (const Case& c : cases) {
        const FrameLayout l = frame_layout(c.rect, c.work, 1.0f, LABELS, true);
        EXPECT_EQ(l.preview, c.preview) << c.name;
    }
}

TEST(FrameLayout, HitButtonOnlyInsideAButton) {
    const std::vector<Rect> buttons{{176, 6, 238, 36}, {242, 6, 314, 36}};
    struct Case {
        int32_t x, y;
        std::optional<size_t> hit;
    };
    const Case cases[] = {
        {176, 6, 0},  {237, 35, 0},           {238, 20, std::nullopt}, {240, 20, std::nullopt},
        {242, 20, 1}, {313, 35, 1},           {314, 20, std::nullopt}, {200, 36, std::nullopt},
        {200, 5, std::nullopt}, {-5, -5, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(hit_button(buttons, c.x, c.y), c.hit) << c.x << "," << c.y;
}
