#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolbar/toolbar_layout.h"
#include "toolbar/toolbar_tooltip.h"
#include "util/rect_ops.h"

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
        {"second monitor", {2000, 100, 2200, 200}, {1920, 0, 3840, 1080}, std::nullopt, {1920, 208, 2747, 248}},
        {"clamped to the bounds' top", {0, 0, 1920, 20}, {0, 0, 1920, 60}, std::nullopt, {1093, 0, 1920, 40}},
    };
    for (const Case& c : cases) {
        const ToolbarLayout l = lay(c.sel, c.bounds, 1.0f, false, c.tool);
        EXPECT_EQ(l.toolbar, c.toolbar) << c.what;
    }
}

TEST(ToolbarLayout, EveryButtonStaysOnTheMonitorInAsManyRowsAsItNeeds) {
    const Rect portrait{0, 0, 1080, 1920};
    struct Case {
        const char* what; Rect sel; Rect bounds; float scale; bool pin_edit; std::optional<Tool> tool;
        size_t bar_rows, option_rows;
    };
    const Case cases[] = {
        {"1080-px portrait at 150 %: two rows, split between groups", {100, 300, 900, 800}, portrait, 1.5f, false,
         std::nullopt, 2, 0},
        {"the same with Mosaic's option row", {100, 300, 900, 800}, portrait, 1.5f, false, Tool::Mosaic, 2, 1},
        {"pin edit fits the portrait monitor in one row", {100, 300, 900, 800}, portrait, 1.5f, true, std::nullopt,
         1, 0},
        {"selection at the portrait's bottom: the block goes above", {0, 1500, 1080, 1920}, portrait, 1.5f, false,
         Tool::Text, 2, 1},
        {"600 px at 100 %", {10, 10, 300, 200}, {0, 0, 600, 400}, 1.0f, false, std::nullopt, 2, 0},
        {"600 px at 200 %: the option row wraps too", {10, 10, 300, 200}, {0, 0, 600, 900}, 2.0f, false, Tool::Mosaic,
         3, 3},
        {"a 200-px monitor: between any two items", {10, 10, 100, 100}, {0, 0, 200, 900}, 1.0f, false, Tool::Pen, 5, 2},
        {"a selection on a monitor right of the portrait", {1200, 100, 1500, 300}, {1080, 0, 2000, 1000}, 1.5f,
         false, std::nullopt, 2, 0},
        {"wide enough: one row, right-aligned", {100, 100, 1900, 500}, SCREEN, 1.5f, false, Tool::Mosaic, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolbarLayout l = lay(c.sel, c.bounds, c.scale, c.pin_edit, c.tool);
        auto inside = [&](const Rect& r) {
            return r.l >= c.bounds.l && r.r <= c.bounds.r && r.t >= c.bounds.t && r.b <= c.bounds.b;
        };
        EXPECT_TRUE(inside(l.toolbar));
        if (c.tool) {
            EXPECT_TRUE(inside(l.option_row));
        }
        EXPECT_LE(l.option_row.r, c.bounds.r);
        auto rows_of = [](const auto& list) {
            std::vector<int32_t> tops;
            for (const auto& it : list)
                if (std::find(tops.begin(), tops.end(), it.rect.t) == tops.end()) tops.push_back(it.rect.t);
            return tops.size();
        };
        EXPECT_EQ(rows_of(l.items), c.bar_rows);
        EXPECT_EQ(rows_of(l.cells), c.option_rows);

        // Every button is kept, in order, inside the toolbar, and a hit at its centre finds it.
        std::vector<ToolbarItem> buttons, expected;
        for (ToolbarItem id : toolbar_tool_order(c.pin_edit))
            if (id != ToolbarItem::Separator) expected.push_back(id);
        for (size_t i = 0; i < l.items.size(); ++i) {
            const ToolbarButton& b = l.items[i];
            EXPECT_TRUE(unite(l.toolbar, b.rect) == l.toolbar) << i;
            const bool row_start = i == 0 || l.items[i - 1].rect.t != b.rect.t;
            const bool row_end = i + 1 == l.items.size() || l.items[i + 1].rect.t != b.rect.t;
            if (b.id == ToolbarItem::Separator) {
                EXPECT_FALSE(row_start || row_end) << "a separator at a row's end " << i;
                continue;
            }
            buttons.push_back(b.id);
            const ToolbarHit hit = toolbar_hit_test(l, (b.rect.l + b.rect.r) / 2, (b.rect.t + b.rect.b) / 2);
            EXPECT_EQ(hit, (ToolbarHit{HitKind::Button, static_cast<uint8_t>(b.id)}));
        }
        EXPECT_EQ(buttons, expected);
        for (const OptionCell& cell : l.cells) {
            EXPECT_TRUE(unite(l.option_row, cell.rect) == l.option_row);
            if (cell.kind != OptionKind::Separator) {
                EXPECT_EQ(toolbar_hit_test(l, cell.rect.l + 1, cell.rect.t + 1).kind, static_cast<HitKind>(cell.kind));
            }
        }
        if (c.tool) {
            EXPECT_GE(l.option_row.t, l.toolbar.b);
        }
        // A tooltip follows its button into its row and stays on the monitor.
        const ToolbarButton& last = l.items.back();
        const auto tip = toolbar_tooltip(l, {HitKind::Button, static_cast<uint8_t>(last.id)}, MouseState::Idle,
                                         c.bounds, measure);
        ASSERT_TRUE(tip);
        EXPECT_TRUE(inside(tip->rect));
        EXPECT_TRUE(tip->rect.b <= l.block().t || tip->rect.t >= l.block().b);
    }
    // Two rows at 150 % on the portrait: tools, then the rest, and the rows come out even enough.
    const ToolbarLayout two = lay({100, 300, 900, 800}, portrait, 1.5f);
    EXPECT_EQ(two.items[10].id, ToolbarItem::Eraser);
    EXPECT_EQ(two.items[11].id, ToolbarItem::Undo);
    EXPECT_NE(two.items[10].rect.t, two.items[11].rect.t);
    EXPECT_EQ(two.toolbar.height(), 2 * 48 + 3 + 2 * 6);
    EXPECT_EQ(two.toolbar.r, 900);
}

TEST(ToolbarLayout, TheMonitorHoldingMostOfTheSelection) {
    const Rect wide{0, 0, 2560, 1440}, narrow{2560, 0, 3640, 1920};
    const std::vector<Rect> monitors{wide, narrow};
    struct Case { const char* what; Rect sel; Rect out; };
    const Case cases[] = {
        {"ends just inside the narrow one", {1500, 200, 2600, 600}, wide},
        {"mostly on the narrow one", {2500, 200, 3000, 600}, narrow},
        {"all on the wide one", {100, 100, 200, 200}, wide},
        {"equal shares: the bottom-right pixel's", {2460, 100, 2660, 200}, narrow},
        {"on neither: the nearest", {4000, 100, 4100, 200}, narrow},
    };
    for (const Case& c : cases) EXPECT_EQ(toolbar_monitor(monitors, c.sel, narrow), c.out) << c.what;

    // The toolbar then sits on the wide monitor, right-aligned with the monitor's edge.
    const ToolbarLayout l = lay({1500, 200, 2600, 600}, wide, 1.5f);
    EXPECT_EQ(l.toolbar, (Rect{2560 - 1242, 612, 2560, 672}));
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
