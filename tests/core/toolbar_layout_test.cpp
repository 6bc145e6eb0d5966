#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolbar/toolbar_layout.h"

namespace {

const Rect SCREEN{0, 0, 1920, 1080};

// Labels measure 7 pixels a byte: "Fill" 28, "Box" 21, "Blur" 28, "Outline" 49.
TextSize measure(std::string_view text) { return {static_cast<int32_t>(text.size()) * 7, 16}; }

ToolbarLayout lay(const Rect& sel, const Rect& bounds = SCREEN, float scale = 1.0f, bool pin_edit = false,
                  std::optional<Tool> tool = std::nullopt) {
    return layout_toolbar(sel, bounds, scale, pin_edit, tool, measure);
}

std::vector<uint8_t> ids(std::span<const ToolbarItem> items) {
    std::vector<uint8_t> out;
    for (ToolbarItem i : items) out.push_back(static_cast<uint8_t>(i));
    return out;
}

}  // namespace

TEST(ToolbarOrder, NormalAndPinEditSequences) {
    EXPECT_EQ(ids(toolbar_tool_order(false)),
              (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 24, 11, 12, 24, 13, 14, 15, 16, 17, 24, 18,
                                    19, 20, 22, 21}));
    EXPECT_EQ(ids(toolbar_tool_order(true)),
              (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 24, 11, 12, 24, 13, 14, 15, 20, 21, 22, 23}));
    EXPECT_EQ(primary_item(false), ToolbarItem::Copy);
    EXPECT_EQ(primary_item(true), ToolbarItem::Done);
}

TEST(ToolbarOrder, TooltipTextsCarryTheirKeyHints) {
    struct Case { ToolbarItem item; bool pin_edit; const char* text; };
    const Case cases[] = {
        {ToolbarItem::Rectangle, false, "Rectangle  R"},  {ToolbarItem::Pen, false, "Pen  B"},
        {ToolbarItem::Spotlight, false, "Spotlight  F"},  {ToolbarItem::Eraser, false, "Eraser  X"},
        {ToolbarItem::Undo, false, "Undo  Ctrl+Z"},       {ToolbarItem::LivePin, false, "Live pin  Shift+P"},
        {ToolbarItem::Copy, false, "Copy  Enter"},        {ToolbarItem::Copy, true, "Copy  Ctrl+C"},
        {ToolbarItem::Done, true, "Done  Enter"},         {ToolbarItem::Cancel, true, "Cancel  Esc"},
        {ToolbarItem::Separator, false, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(item_tooltip(c.item, c.pin_edit), c.text) << c.text;
}

TEST(ToolbarLayout, SizesAtScaleOneAndOneAndAHalf) {
    struct Case { float scale; bool pin_edit; int32_t width, height, button, first_gap_x; };
    const Case cases[] = {
        {1.0f, false, 827, 40, 32, 4},  {1.0f, true, 712, 40, 32, 4},
        {1.5f, false, 1242, 60, 48, 6}, {1.5f, true, 1069, 60, 48, 6},
    };
    for (const Case& c : cases) {
        const ToolbarLayout l = lay({100, 100, 1900, 500}, SCREEN, c.scale, c.pin_edit);
        EXPECT_EQ(l.toolbar.width(), c.width) << c.scale << " " << c.pin_edit;
        EXPECT_EQ(l.toolbar.height(), c.height);
        EXPECT_EQ(l.items.size(), c.pin_edit ? 22u : 26u);
        EXPECT_EQ(l.items.front().rect.l - l.toolbar.l, c.first_gap_x);
        EXPECT_EQ(l.items.front().rect.width(), c.button);
        EXPECT_EQ(l.items.back().rect.r + c.first_gap_x, l.toolbar.r);
        EXPECT_TRUE(l.option_row.empty());
    }
}

TEST(ToolbarLayout, OptionRowCellsPerTool) {
    // Sizes 3, a separator, 8 colours, the custom cell, then the tool's switches.
    struct Case { Tool tool; std::vector<uint8_t> switches; int32_t width; };
    const Case cases[] = {
        {Tool::Rectangle, {0}, 4 + 12 * 26 + 2 * 11 + 18 + 28 + 14 * 2 + 4},
        {Tool::Ellipse, {0}, 4 + 12 * 26 + 2 * 11 + 18 + 28 + 14 * 2 + 4},
        {Tool::Highlighter, {1}, 4 + 12 * 26 + 2 * 11 + 18 + 21 + 14 * 2 + 4},
        {Tool::Mosaic, {1, 2}, 4 + 12 * 26 + 2 * 11 + 18 + 21 + 18 + 28 + 15 * 2 + 4},
        {Tool::Text, {3}, 4 + 12 * 26 + 2 * 11 + 18 + 49 + 14 * 2 + 4},
        {Tool::Pen, {}, 4 + 12 * 26 + 11 + 12 * 2 + 4},
        {Tool::Number, {}, 4 + 12 * 26 + 11 + 12 * 2 + 4},
    };
    for (const Case& c : cases) {
        const ToolbarLayout l = lay({100, 100, 1200, 500}, SCREEN, 1.0f, false, c.tool);
        std::vector<uint8_t> switches;
        for (const OptionCell& cell : l.cells)
            if (cell.kind == OptionKind::StyleSwitch) switches.push_back(cell.value);
        EXPECT_EQ(switches, c.switches) << static_cast<int>(c.tool);
        EXPECT_EQ(l.option_row.width(), c.width) << static_cast<int>(c.tool);
        EXPECT_EQ(l.option_row.height(), 34);
        EXPECT_EQ(l.option_row.t, l.toolbar.b + 4);
        EXPECT_EQ(l.option_row.r, l.toolbar.r);
        EXPECT_EQ(l.cells[3].kind, OptionKind::Separator);
        EXPECT_EQ(l.cells[12].kind, OptionKind::CustomColour);
    }
}

TEST(ToolbarLayout, OptionToolRule) {
    struct Case { bool text_box; Tool tool; std::optional<Tool> selected; std::optional<Tool> out; };
    const Case cases[] = {
        {true, Tool::Rectangle, std::nullopt, Tool::Text},     {false, Tool::Spotlight, std::nullopt, std::nullopt},
        {false, Tool::Eraser, Tool::Arrow, std::nullopt},      {false, Tool::Mosaic, std::nullopt, Tool::Mosaic},
        {false, Tool::None, Tool::Number, Tool::Number},       {false, Tool::None, Tool::Spotlight, std::nullopt},
        {false, Tool::None, std::nullopt, std::nullopt},       {false, Tool::Arrow, Tool::Text, Tool::Arrow},
    };
    for (const Case& c : cases) EXPECT_EQ(option_tool(c.text_box, c.tool, c.selected), c.out);
}

TEST(ToolbarLayout, PlacementBelowAboveInsideAndClamped) {
    struct Case { const char* what; Rect sel; Rect bounds; std::optional<Tool> tool; Rect toolbar; };
    const Case cases[] = {
        {"below, right-aligned", {100, 100, 1000, 500}, SCREEN, std::nullopt, {173, 508, 1000, 548}},
        {"above at the bottom", {100, 600, 1000, 1060}, SCREEN, std::nullopt, {173, 552, 1000, 592}},
        {"inside a full-screen selection", SCREEN, SCREEN, std::nullopt, {1093, 1032, 1920, 1072}},
        // The lower of the two bottoms is the smaller: 1040 - 8 - 40, not 1080 - 48 clamped to 1000.
        {"inside, over the taskbar", SCREEN, {0, 0, 1920, 1040}, std::nullopt, {1093, 992, 1920, 1032}},
        {"block with option row goes above", {100, 600, 1000, 1000}, SCREEN, Tool::Pen, {173, 514, 1000, 554}},
        {"selection past the right edge", {1500, 100, 2500, 300}, SCREEN, std::nullopt, {1093, 308, 1920, 348}},
        {"wider than the monitor: left-clamped, overflows", {10, 10, 300, 200}, {0, 0, 600, 400}, std::nullopt,
         {0, 208, 827, 248}},
        {"second monitor", {2000, 100, 2200, 200}, {1920, 0, 3840, 1080}, std::nullopt, {1920, 208, 2747, 248}},
        {"clamped to the bounds' top", {0, 0, 1920, 20}, {0, 0, 1920, 60}, std::nullopt, {1093, 0, 1920, 40}},
    };
    for (const Case& c : cases) {
        const ToolbarLayout l = lay(c.sel, c.bounds, 1.0f, false, c.tool);
        EXPECT_EQ(l.toolbar, c.toolbar) << c.what;
    }
}

TEST(ToolbarLayout, BoundsAreTheWorkAreaWhereItOverlaps) {
    EXPECT_EQ(toolbar_bounds(SCREEN, std::nullopt), SCREEN);
    EXPECT_EQ(toolbar_bounds(SCREEN, Rect{0, 0, 1920, 1040}), (Rect{0, 0, 1920, 1040}));
    EXPECT_EQ(toolbar_bounds(SCREEN, Rect{1920, 0, 3840, 1040}), SCREEN);
}

TEST(ToolbarHitTest, ButtonsCellsSeparatorsAndBackground) {
    const ToolbarLayout l = lay({100, 100, 1200, 500}, SCREEN, 1.0f, false, Tool::Mosaic);
    const Rect first = l.items[0].rect, sep = l.items[11].rect;
    ASSERT_EQ(l.items[11].id, ToolbarItem::Separator);
    auto cell = [&](size_t i) { return l.cells[i].rect; };
    struct Case { const char* what; int32_t x, y; ToolbarHit hit; };
    const Case cases[] = {
        {"first button", first.l, first.t, {HitKind::Button, 0}},
        {"first button's last pixel", first.r - 1, first.b - 1, {HitKind::Button, 0}},
        {"gap after it", first.r, first.t, {HitKind::Background, 0}},
        {"toolbar separator", sep.l + 5, sep.t + 10, {HitKind::Background, 0}},
        {"toolbar margin", l.toolbar.l, l.toolbar.t, {HitKind::Background, 0}},
        {"Copy, last button", l.items[25].rect.l + 3, l.items[25].rect.t + 3, {HitKind::Button, 21}},
        {"large size", cell(2).l + 1, cell(2).t + 1, {HitKind::Size, 2}},
        {"row separator", cell(3).l + 1, cell(3).t + 1, {HitKind::Background, 0}},
        {"colour 7", cell(11).l, cell(11).t, {HitKind::Colour, 7}},
        {"custom colour", cell(12).l, cell(12).t, {HitKind::CustomColour, 0}},
        {"blur switch", cell(15).l, cell(15).t, {HitKind::StyleSwitch, 2}},
        {"between toolbar and row", l.option_row.l, l.toolbar.b, TOOLBAR_OUTSIDE},
        {"below the row", l.option_row.l, l.option_row.b, TOOLBAR_OUTSIDE},
    };
    for (const Case& c : cases) EXPECT_EQ(toolbar_hit_test(l, c.x, c.y), c.hit) << c.what;
    EXPECT_EQ(toolbar_hit_test(std::nullopt, first.l, first.t), TOOLBAR_OUTSIDE);
}

TEST(ToolbarLayout, SeparatorLines) {
    const ToolbarLayout l = lay({100, 100, 1200, 500}, SCREEN, 1.0f, false, Tool::Rectangle);
    const std::vector<Rect> lines = separator_lines(l);
    ASSERT_EQ(lines.size(), 5u);  // three in the toolbar, two in the row
    const Rect sep = l.items[11].rect;
    EXPECT_EQ(lines[0], (Rect{sep.l + 5, sep.t + 6, sep.l + 6, sep.t + 26}));
    const Rect row_sep = l.cells[3].rect;
    EXPECT_EQ(lines[3], (Rect{row_sep.l + 5, row_sep.t + 5, row_sep.l + 6, row_sep.t + 21}));

    const ToolbarLayout big = lay({100, 100, 1900, 500}, SCREEN, 2.0f);
    const Rect s2 = big.items[11].rect;
    EXPECT_EQ(separator_lines(big)[0], (Rect{s2.l + 11, s2.t + 12, s2.l + 13, s2.t + 52}));
}
