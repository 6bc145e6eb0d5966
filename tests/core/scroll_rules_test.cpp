#include <gtest/gtest.h>

#include <vector>

#include "scroll/scroll_rules.h"

TEST(ScrollRules, MaximumRowsAndMouseTolerance) {
    struct Rows { int32_t width, rows; };
    for (const Rows& c : {Rows{1000, 25000}, Rows{500, 30000}, Rows{2500, 10000}, Rows{8, 30000}, Rows{0, 30000}})
        EXPECT_EQ(scroll_max_rows(c.width), c.rows) << c.width;

    struct Tolerance { int32_t w, h; uint32_t px; };
    for (const Tolerance& c : {Tolerance{100, 40, 13}, Tolerance{100, 17, 6}, Tolerance{300, 400, 40},
                               Tolerance{18, 500, 6}, Tolerance{17, 500, 6}, Tolerance{121, 120, 40}})
        EXPECT_EQ(mouse_tolerance({0, 0, c.w, c.h}), c.px) << c.w << "x" << c.h;
}

TEST(ScrollRules, KeysAndButtons) {
    struct Key { uint32_t vk; bool ctrl; ScrollCommand want; };
    const Key keys[] = {
        {0x1B, false, ScrollCommand::Cancel}, {0x20, false, ScrollCommand::ToggleAuto},
        {0x0D, false, ScrollCommand::Copy},   {0x43, true, ScrollCommand::Copy},
        {0x43, false, ScrollCommand::None},   {0x53, true, ScrollCommand::Save},
        {0x53, false, ScrollCommand::None},   {0x50, false, ScrollCommand::Pin},
        {0x72, false, ScrollCommand::Pin},    {0x41, true, ScrollCommand::None},
    };
    for (const Key& k : keys) EXPECT_EQ(scroll_key_action(k.vk, k.ctrl), k.want) << std::hex << k.vk << " " << k.ctrl;
    const ScrollCommand buttons[] = {ScrollCommand::None, ScrollCommand::ToggleAuto, ScrollCommand::Cancel,
                                     ScrollCommand::Pin,  ScrollCommand::Save,       ScrollCommand::Copy,
                                     ScrollCommand::None};
    for (int32_t id = 0; id < 7; ++id) EXPECT_EQ(scroll_button_action(id), buttons[id]) << id;
}

TEST(ScrollCaptureRect, TheVisiblePartOfTheWindowUnderTheRegion) {
    const Rect monitor{0, 0, 1920, 1080};
    const Rect region{400, 400, 600, 600};
    const Rect under{100, 100, 1000, 900};
    struct Case { const char* name; std::vector<Rect> windows; Rect want; };
    const Case cases[] = {
        {"no window holds the centre", {{0, 0, 50, 50}}, region},
        {"the window alone", {under}, under},
        {"clipped to the monitor", {{-500, 300, 800, 1400}}, {0, 300, 800, 1080}},
        {"the first of two windows holding the centre", {{350, 350, 700, 700}, under}, {350, 350, 700, 700}},
        {"a window above it: below that one", {{0, 0, 1200, 300}, under}, {100, 300, 1000, 900}},
        {"a window below it: above that one", {{0, 700, 1200, 1000}, under}, {100, 100, 1000, 700}},
        {"a window to its left: right of that one", {{0, 0, 300, 1080}, under}, {300, 100, 1000, 900}},
        {"a window to its right: left of that one", {{800, 0, 1920, 1080}, under}, {100, 100, 800, 900}},
        // Below leaves 900 x 500, left of it 600 x 800: the larger wins.
        {"the larger of two sides", {{700, 100, 1000, 400}, under}, {100, 100, 700, 900}},
        // Below and right of it both leave 540000 pixels: the earlier in the order wins.
        {"a tie goes to below", {{100, 100, 325, 300}, under}, {100, 300, 1000, 900}},
        {"two windows above, one after the other", {{0, 0, 1200, 300}, {0, 0, 250, 1080}, under}, {250, 300, 1000, 900}},
        {"a window over a corner of the region is passed over", {{350, 350, 450, 450}, under}, under},
        {"a window apart from the window is passed over", {{1500, 0, 1900, 300}, under}, under},
        {"the region sticking out of its window", {{450, 450, 1000, 900}}, {400, 400, 1000, 900}},
    };
    for (const Case& c : cases) EXPECT_EQ(scroll_capture_rect(region, c.windows, monitor), c.want) << c.name;
}

TEST(ScrollRules, StatusTexts) {
    EXPECT_EQ(scroll_status_text({ScrollStatusKind::Size, 640, 2480}, UI_STRINGS_EN), "640 \u00D7 2480");
    EXPECT_EQ(scroll_status_text({ScrollStatusKind::TooFast}, UI_STRINGS_EN), "Scrolled too fast, scroll back a little");
    EXPECT_EQ(scroll_status_text({ScrollStatusKind::EndReached, 444, 3052}, UI_STRINGS_DE),
              std::string(UI_STRINGS_DE[SCROLL_END_REACHED]) + "  \u00B7  444 \u00D7 3052");
    EXPECT_TRUE(ScrollStatus{ScrollStatusKind::MaxLength}.alert());
    EXPECT_TRUE(ScrollStatus{ScrollStatusKind::TooFast}.alert());
    EXPECT_FALSE(ScrollStatus{ScrollStatusKind::Hint}.alert());
    EXPECT_FALSE((ScrollStatus{ScrollStatusKind::Size, 1, 1}.alert()));
}

TEST(ScrollRules, RegionClearOfTheFrame) {
    const Rect region{0, 0, 1920, 1040};
    struct Case {
        const char* name;
        std::vector<Rect> windows;
        Rect want;
    };
    const Case cases[] = {
        {"a strip outside leaves the region whole", {{1300, 1048, 1920, 1090}}, region},
        {"the strip inside near the bottom takes its rows and those below", {{1300, 990, 1920, 1032}},
         {0, 0, 1920, 990}},
        {"a window over the top keeps the rows below", {{0, 0, 400, 60}}, {0, 60, 1920, 1040}},
        {"a window over almost every row is left", {{0, 3, 200, 1035}}, region},
    };
    for (const Case& c : cases) EXPECT_EQ(region_clear_of(region, c.windows), c.want) << c.name;
}

TEST(ScrollRules, FrameButtonsInOrderWithCopyLast) {
    const std::vector<FrameButton> en = scroll_frame_buttons(UI_STRINGS_EN);
    ASSERT_EQ(en.size(), 5u);
    const char* labels[] = {"Auto-scroll", "Cancel  Esc", "Pin", "Save", "Copy  Enter"};
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(en[i].id, i + 1);
        EXPECT_EQ(en[i].label, labels[i]);
    }
    EXPECT_EQ(scroll_frame_buttons(UI_STRINGS_DE)[4].label, std::string(UI_STRINGS_DE[TOOLBAR_COPY]) + "  Enter");
}

TEST(PreviewPlacement, BottomRowsScaledToTheWidth) {
    struct Case { int32_t src_w, src_rows, client_w, client_h; PreviewPlacement want; };
    const Case cases[] = {
        {400, 100, 200, 300, {0, 100, 250, 50}},      // all rows fit: half height, at the bottom
        {400, 2000, 200, 300, {1400, 600, 0, 300}},   // the last 600 rows fill the client
        {100, 10, 300, 20, {4, 6, 2, 18}},            // scaled up, rows cut at 20 / 3
        {1000, 1, 100, 50, {0, 1, 49, 1}},            // at least one row and one pixel
        {3, 5, 200, 1, {4, 1, 0, 1}},                 // a client of one row
        {0, 10, 100, 100, {}}, {10, 10, 0, 100, {}},  // nothing to draw
    };
    for (const Case& c : cases)
        EXPECT_EQ(preview_placement(c.src_w, c.src_rows, c.client_w, c.client_h), c.want)
            << c.src_w << "x" << c.src_rows << " into " << c.client_w << "x" << c.client_h;
}
