#include <gtest/gtest.h>

#include <algorithm>

#include "toolbar/glyphs.h"
#include "toolbar/toolbar_paint.h"
#include "toolbar/toolbar_tooltip.h"

namespace {

const Rect SCREEN{0, 0, 1920, 1080};

TextSize measure(std::string_view text) { return {static_cast<int32_t>(text.size()) * 7, 16}; }

ToolbarLayout lay(bool pin_edit = false, std::optional<Tool> tool = std::nullopt, const Rect& sel = {100, 100, 1200, 500}) {
    return layout_toolbar(sel, SCREEN, 1.0f, pin_edit, tool, measure);
}

ToolbarHit button(ToolbarItem i) { return {HitKind::Button, static_cast<uint8_t>(i)}; }

}  // namespace

TEST(ToolbarPaint, ButtonFillByState) {
    using enum ToolbarItem;
    struct Case { const char* what; bool pin_edit; Tool tool; ToolbarHit hover, press; ToolbarItem item;
                  std::optional<uint32_t> fill; };
    const ToolbarHit out = TOOLBAR_OUTSIDE;
    const Case cases[] = {
        {"primary idle", false, Tool::None, out, out, Copy, 0x2B7FFF},
        {"primary hovered", false, Tool::None, button(Copy), out, Copy, 0x1F6FF0},
        {"primary pressed", false, Tool::None, button(Copy), button(Copy), Copy, 0x155FD8},
        {"pin edit: Done is primary", true, Tool::None, out, out, Done, 0x2B7FFF},
        {"pin edit: Copy is plain", true, Tool::None, out, out, Copy, std::nullopt},
        {"plain idle", false, Tool::None, out, out, Save, std::nullopt},
        {"plain hovered", false, Tool::None, button(Save), out, Save, 0xEAEEF6},
        {"plain pressed", false, Tool::None, button(Save), button(Save), Save, 0xCEDCF6},
        {"press left its item", false, Tool::None, button(Pin), button(Save), Save, std::nullopt},
        {"hovered during another press", false, Tool::None, button(Pin), button(Save), Pin, 0xEAEEF6},
        {"active tool", false, Tool::Arrow, out, out, Arrow, 0xDBE8FF},
        {"active tool hovered", false, Tool::Arrow, button(Arrow), out, Arrow, 0xDBE8FF},
        {"active tool pressed", false, Tool::Arrow, button(Arrow), button(Arrow), Arrow, 0xCEDCF6},
    };
    for (const Case& c : cases) {
        ToolbarPaintState s{c.hover, c.press, {}};
        s.editor.tool = c.tool;
        EXPECT_EQ(button_fill(c.item, lay(c.pin_edit), s), c.fill) << c.what;
    }
}

TEST(ToolbarPaint, GlyphColours) {
    using enum ToolbarItem;
    struct Case { const char* what; bool undo_empty, redo_empty; Tool tool; bool pin_edit; ToolbarItem item; uint32_t rgb; };
    const Case cases[] = {
        {"undo without history", true, true, Tool::None, false, Undo, 0xB4B4BC},
        {"undo after one push", false, true, Tool::None, false, Undo, 0x2C2C30},
        {"redo without history", false, true, Tool::None, false, Redo, 0xB4B4BC},
        {"redo after an undo", true, false, Tool::None, false, Redo, 0x2C2C30},
        {"active tool", true, true, Tool::Mosaic, false, Mosaic, 0x2B7FFF},
        {"other tool", true, true, Tool::Mosaic, false, Pen, 0x2C2C30},
        {"primary Copy", true, true, Tool::None, false, Copy, 0xFFFFFF},
        {"pin edit: Done", true, true, Tool::None, true, Done, 0xFFFFFF},
        {"pin edit: Copy", true, true, Tool::None, true, Copy, 0x2C2C30},
    };
    for (const Case& c : cases) {
        ToolbarPaintState s;
        s.editor.undo_empty = c.undo_empty;
        s.editor.redo_empty = c.redo_empty;
        s.editor.tool = c.tool;
        EXPECT_EQ(glyph_colour(c.item, lay(c.pin_edit), s), c.rgb) << c.what;
    }
}

TEST(ToolbarPaint, StyleSwitchCells) {
    struct Case { const char* what; Tool tool; bool hi_box, mo_box, hovered; uint32_t fill, label; };
    const Case cases[] = {
        {"highlighter box on", Tool::Highlighter, true, false, false, 0x2B7FFF, 0xFFFFFF},
        {"highlighter reads its own flag", Tool::Highlighter, false, true, false, 0xF2F3F6, 0x202024},
        {"mosaic box on", Tool::Mosaic, false, true, false, 0x2B7FFF, 0xFFFFFF},
        {"mosaic box off, hovered", Tool::Mosaic, true, false, true, 0xEAEEF6, 0x202024},
    };
    for (const Case& c : cases) {
        const ToolbarLayout l = lay(false, c.tool);
        ToolbarPaintState s;
        s.editor.highlighter_box = c.hi_box;
        s.editor.mosaic_box = c.mo_box;
        if (c.hovered) s.hover = {HitKind::StyleSwitch, 1};
        const ToolbarPaint p = toolbar_paint_plan(l, s);
        const Rect box_cell = std::find_if(l.cells.begin(), l.cells.end(), [](const OptionCell& cell) {
            return cell.kind == OptionKind::StyleSwitch && cell.value == 1;
        })->rect;
        const auto bg = std::find_if(p.backgrounds.begin(), p.backgrounds.end(),
                                     [&](const RoundedFill& f) { return f.rect == box_cell; });
        ASSERT_NE(bg, p.backgrounds.end()) << c.what;
        EXPECT_EQ(bg->fill, c.fill) << c.what;
        ASSERT_FALSE(p.labels.empty());
        EXPECT_EQ(p.labels[0].text, STYLE_BOX);
        EXPECT_EQ(p.labels[0].rgb, c.label) << c.what;
    }
}

TEST(ToolbarPaint, OptionCellMarks) {
    const ToolbarLayout l = lay(false, Tool::Pen);
    auto marks_of = [&](uint32_t colour, size_t cell) {
        ToolbarPaintState s;
        s.editor.color = colour;
        s.editor.size_steps[static_cast<size_t>(Tool::Pen)] = 2;
        const Rect r = l.cells[cell].rect;
        const float cx = (r.l + r.r) / 2.0f, cy = (r.t + r.b) / 2.0f;
        std::vector<CellMark> out;
        for (const CellMark& m : toolbar_paint_plan(l, s).marks)
            if (m.cx == cx && m.cy == cy) out.push_back(m);
        return out;
    };
    // Sizes: 5, 9, 13 across; the current step in the accent colour.
    for (size_t k = 0; k < 3; ++k) {
        const auto m = marks_of(0xFFFF3B30, k);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].diameter, 5.0f + 4.0f * static_cast<float>(k));
        EXPECT_EQ(m[0].argb, k == 2 ? 0xFF2B7FFFu : 0xFF6E6E78u);
    }
    // The chosen swatch gets the accent ring; white gets its pale ring whether chosen or not.
    const auto red = marks_of(0xFFFF3B30, 4);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].kind, MarkKind::Ring);
    EXPECT_EQ(red[0].diameter, 22.0f);
    EXPECT_EQ(red[1].argb, 0xFFFF3B30u);
    EXPECT_EQ(marks_of(0xFF007AFF, 4).size(), 1u);
    const auto white = marks_of(0xFF007AFF, 11);
    ASSERT_EQ(white.size(), 2u);
    EXPECT_EQ(white[1].kind, MarkKind::Ring);
    EXPECT_EQ(white[1].argb, 0xFFC8C8D0u);
    for (size_t k = 4; k < 11; ++k) EXPECT_EQ(marks_of(0xFF123456, k).size(), 1u) << k;
    // A custom colour: a dot of it in the wheel and the accent ring; a palette colour: the wheel alone.
    const auto custom = marks_of(0xFF123456, 12);
    ASSERT_EQ(custom.size(), 3u);
    EXPECT_EQ(custom[0].kind, MarkKind::Wheel);
    EXPECT_EQ(custom[1].argb, 0xFF123456u);
    EXPECT_EQ(custom[1].diameter, 8.0f);
    EXPECT_EQ(custom[2].argb, 0xFF2B7FFFu);
    EXPECT_EQ(marks_of(0xFFFFCC00, 12).size(), 1u);
}

TEST(ToolbarPaint, PlanHasFramesSeparatorsAndOneGlyphPerButton) {
    const ToolbarPaint normal = toolbar_paint_plan(lay(), {});
    EXPECT_EQ(normal.frames.size(), 1u);
    EXPECT_EQ(normal.separators.size(), 3u);
    EXPECT_EQ(normal.glyphs.size(), 23u);
    EXPECT_EQ(normal.backgrounds.size(), 1u);  // Copy's accent
    const ToolbarPaint row = toolbar_paint_plan(lay(true, Tool::Text), {});
    EXPECT_EQ(row.frames.size(), 2u);
    EXPECT_EQ(row.frames[1].fill, TOOLBAR_FRAME_FILL);
    EXPECT_EQ(row.frames[1].outline, TOOLBAR_FRAME_OUTLINE);
    EXPECT_EQ(row.glyphs.size(), 20u);
}

TEST(ToolbarGlyphs, EveryButtonHasShapesAndCopyDependsOnTheMode) {
    for (uint8_t i = 0; i < 24; ++i)
        EXPECT_FALSE(glyph_primitives(static_cast<ToolbarItem>(i), false).empty()) << int{i};
    EXPECT_TRUE(glyph_primitives(ToolbarItem::Separator, false).empty());
    EXPECT_EQ(glyph_primitives(ToolbarItem::Copy, false), glyph_primitives(ToolbarItem::Done, false));
    const auto& pages = glyph_primitives(ToolbarItem::Copy, true);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].rgb, 0xFCFCFDu);
    EXPECT_EQ(glyph_primitives(ToolbarItem::Pen, false)[0].points.size(), 17u);
    EXPECT_FLOAT_EQ(glyph_primitives(ToolbarItem::Pen, false)[0].points[4].y, 11.0f);
    EXPECT_EQ(glyph_primitives(ToolbarItem::Spotlight, false).size(), 9u);
    EXPECT_EQ(glyph_primitives(ToolbarItem::Highlighter, false)[0].alpha, 0x60);
    EXPECT_FLOAT_EQ(glyph_pen_width(1.9f, 1.0f), 1.9f);
    EXPECT_FLOAT_EQ(glyph_pen_width(1.9f, 0.1f), 0.5f);
}

TEST(ToolbarTooltip, TextPlacementAndWhenItShows) {
    const ToolbarLayout l = lay();
    const Rect rect_btn = l.items[0].rect;
    const auto tip = toolbar_tooltip(l, button(ToolbarItem::Rectangle), MouseState::Idle, SCREEN, measure);
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->text, "Rectangle  R");
    // 12 bytes x 7 + 14 wide, 16 + 8 high, centred over the button, 6 above the block.
    EXPECT_EQ(tip->rect, (Rect{rect_btn.l + 16 - 49, l.toolbar.t - 30, rect_btn.l + 16 + 49, l.toolbar.t - 6}));

    EXPECT_FALSE(toolbar_tooltip(l, button(ToolbarItem::Rectangle), MouseState::ToolbarPress, SCREEN, measure));
    EXPECT_FALSE(toolbar_tooltip(l, {HitKind::Background, 0}, MouseState::Idle, SCREEN, measure));
    EXPECT_FALSE(toolbar_tooltip(l, button(ToolbarItem::Separator), MouseState::Idle, SCREEN, measure));

    // Against the monitor's top the tooltip goes below the block (here the option row).
    const ToolbarLayout top = layout_toolbar({0, 0, 1920, 1080}, {0, 0, 1920, 1080}, 1.0f, false, Tool::Pen, measure);
    const auto custom = toolbar_tooltip(top, {HitKind::CustomColour, 0}, MouseState::Idle, SCREEN, measure);
    const auto below = toolbar_tooltip(layout_toolbar({0, 0, 1920, 20}, SCREEN, 1.0f, false, Tool::Pen, measure),
                                       {HitKind::CustomColour, 0}, MouseState::Idle, SCREEN, measure);
    ASSERT_TRUE(custom && below);
    EXPECT_EQ(custom->text, "Custom color");
    EXPECT_EQ(custom->rect.b, top.toolbar.t - 6);
    EXPECT_EQ(below->rect.t, 28 + 40 + 4 + 34 + 6);

    // At the monitor's right edge it shifts left to stay inside.
    const auto copy = toolbar_tooltip(top, button(ToolbarItem::Copy), MouseState::Idle, SCREEN, measure);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->rect.r, 1920);
    EXPECT_EQ(copy->rect.width(), 11 * 7 + 14);
}
