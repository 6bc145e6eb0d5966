#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "capture/magnifier.h"
#include "capture/readout_text.h"

namespace {
const Rect SCREEN{0, 0, 1920, 1080};
}

TEST(Magnifier, CellSizeRule) {
    struct Case { float scale; int32_t cell; };
    const Case cases[] = {{1.0f, 8}, {1.5f, 12}, {2.0f, 16}, {0.6f, 5}, {0.5f, 4}, {0.25f, 4},
                          {std::numeric_limits<float>::quiet_NaN(), 4}};
    for (const Case& c : cases) EXPECT_EQ(magnifier_cell(c.scale), c.cell) << c.scale;
}

TEST(Magnifier, PlacementAndFlipsAtEveryEdge) {
    // Scale 1: lens 136, total height 136 + 62, offset 20.
    struct Case { const char* what; int32_t x, y; Rect monitor; Rect out; };
    const Case cases[] = {
        {"right of and below", 100, 100, SCREEN, {120, 120, 256, 318}},
        {"top-left corner", 0, 0, SCREEN, {20, 20, 156, 218}},
        {"just fits at the right", 1764, 100, SCREEN, {1784, 120, 1920, 318}},
        {"flips left", 1765, 100, SCREEN, {1609, 120, 1745, 318}},
        {"just fits at the bottom", 100, 862, SCREEN, {120, 882, 256, 1080}},
        {"flips up", 100, 863, SCREEN, {120, 645, 256, 843}},
        {"bottom-right corner", 1919, 1079, SCREEN, {1763, 861, 1899, 1059}},
        {"right monitor's edge", 3800, 10, {1920, 0, 3840, 1080}, {3644, 30, 3780, 228}},
    };
    for (const Case& c : cases) EXPECT_EQ(magnifier_place(c.x, c.y, c.monitor, 1.0f), c.out) << c.what;
}

TEST(Magnifier, LensAndReadoutAtScaleOne) {
    const MagnifierGeometry g = magnifier_geometry(100, 100, SCREEN, 1.0f, 1920, 1080);
    EXPECT_EQ(g.lens, (Rect{120, 120, 256, 256}));
    EXPECT_EQ(g.readout, (Rect{120, 256, 256, 318}));
    EXPECT_EQ(g.source, (Rect{92, 92, 109, 109}));
    EXPECT_EQ(g.target, g.lens);
    EXPECT_EQ(g.centre, (Rect{184, 184, 192, 192}));
    EXPECT_EQ(g.crosshair[0], (Rect{120, 184, 184, 192}));
    EXPECT_EQ(g.crosshair[1], (Rect{192, 184, 256, 192}));
    EXPECT_EQ(g.crosshair[2], (Rect{184, 120, 192, 184}));
    EXPECT_EQ(g.crosshair[3], (Rect{184, 192, 192, 256}));
    // Lines of 18 from 4 under the lens, 8 in from the sides; a 12-pixel swatch 3 below its line's top.
    EXPECT_EQ(g.lines[0], (Rect{128, 260, 248, 278}));
    EXPECT_EQ(g.lines[2], (Rect{128, 296, 248, 314}));
    EXPECT_EQ(g.swatch, (Rect{128, 281, 140, 293}));
    EXPECT_EQ(g.colour_text, (Rect{146, 278, 248, 296}));
}

TEST(Magnifier, TheReadoutFitsItsLongestTextInEveryFormat) {
    // A proportional face: "1" narrow, "%" and "W"-like letters wide.
    const MeasureText measure = [](std::string_view text) {
        int32_t w = 0;
        for (char ch : text) w += ch == '1' ? 4 : ch == '%' ? 11 : (ch >= '0' && ch <= '9') ? 8 : ch == ' ' ? 3 : 9;
        return TextSize{w, 16};
    };
    const std::string hint = "C kopieren \xC2\xB7 Umschalt Format";
    const uint32_t colours[] = {0x2B7FFF, 0x3A7BA5, 0xFFFFFF, 0x808080, 0x000000, 0xFF0080};
    struct Place { int32_t x, y; };
    const Place places[] = {{100, 100}, {0, 0}, {1919, 1079}, {1919, 0}, {0, 1079}};
    for (float scale : {1.0f, 1.5f})
        for (ColorFormat f : {ColorFormat::Hex, ColorFormat::Rgb, ColorFormat::Hsl}) {
            const std::string coords = cursor_text(-1920, 1079);
            const int32_t width = readout_text_width(coords, hint, f, scale, measure);
            for (const Place& p : places) {
                const MagnifierGeometry g = magnifier_geometry(p.x, p.y, SCREEN, scale, 1920, 1080, width);
                EXPECT_EQ(g.rect, magnifier_place(p.x, p.y, SCREEN, scale, width));
                EXPECT_GE(g.rect.l, SCREEN.l);
                EXPECT_LE(g.rect.r, SCREEN.r);
                EXPECT_EQ(g.readout.r, g.rect.r);
                EXPECT_GE(g.lines[0].width(), measure(coords).cx);
                EXPECT_GE(g.lines[2].width(), measure(hint).cx);
                for (uint32_t c : colours)
                    EXPECT_GE(g.colour_text.width(), measure(color_to_text(c, f)).cx)
                        << color_to_text(c, f) << " at " << p.x << "," << p.y << " scale " << scale;
            }
        }
    // Text that fits the lens leaves the magnifier as wide as the lens.
    EXPECT_EQ(magnifier_width(1.0f, 0), 136);
    EXPECT_EQ(magnifier_width(1.0f, 120), 136);
    EXPECT_EQ(magnifier_width(1.0f, 121), 137);
}

TEST(Magnifier, SourceIsClippedToTheBitmapAtTheCorners) {
    // At (0, 0) only the lower-right 9 x 9 pixels exist; the cells before them stay black.
    const MagnifierGeometry tl = magnifier_geometry(0, 0, SCREEN, 1.0f, 1920, 1080);
    EXPECT_EQ(tl.source, (Rect{0, 0, 9, 9}));
    EXPECT_EQ(tl.target, (Rect{20 + 64, 20 + 64, 20 + 136, 20 + 136}));
    const MagnifierGeometry br = magnifier_geometry(1919, 1079, SCREEN, 1.0f, 1920, 1080);
    EXPECT_EQ(br.source, (Rect{1911, 1071, 1920, 1080}));
    EXPECT_EQ(br.target, (Rect{br.lens.l, br.lens.t, br.lens.l + 72, br.lens.t + 72}));
    const MagnifierGeometry off = magnifier_geometry(-50, 10, SCREEN, 1.0f, 1920, 1080);
    EXPECT_TRUE(off.source.empty());
}

TEST(Magnifier, ShownStatesAndShift) {
    struct Case { MouseState state; bool confirmed; bool shown; };
    const Case cases[] = {
        {MouseState::Idle, false, true},           {MouseState::Idle, true, false},
        {MouseState::Selecting, false, true},      {MouseState::MovingSelection, true, false},
        {MouseState::ResizingSelection, true, true}, {MouseState::ToolbarPress, true, false},
        {MouseState::EditorDrag, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(magnifier_shown(c.state, c.confirmed), c.shown) << static_cast<int>(c.state);
        EXPECT_EQ(color_format_after_shift(ColorFormat::Rgb, c.state, c.confirmed),
                  c.shown ? ColorFormat::Hsl : ColorFormat::Rgb);
    }
    EXPECT_EQ(next_color_format(ColorFormat::Hsl), ColorFormat::Hex);
}

TEST(ColorText, ThreeFormats) {
    struct Case { uint32_t rgb; ColorFormat format; const char* text; };
    const Case cases[] = {
        {0x2B7FFF, ColorFormat::Hex, "#2B7FFF"},
        {0xFF2B7FFF, ColorFormat::Hex, "#2B7FFF"},
        {0x00000A, ColorFormat::Hex, "#00000A"},
        {0x2B7FFF, ColorFormat::Rgb, "rgb(43, 127, 255)"},
        {0x2B7FFF, ColorFormat::Hsl, "hsl(216, 100%, 58%)"},
        {0x000000, ColorFormat::Hsl, "hsl(0, 0%, 0%)"},
        {0xFFFFFF, ColorFormat::Hsl, "hsl(0, 0%, 100%)"},
        {0x808080, ColorFormat::Hsl, "hsl(0, 0%, 50%)"},
        {0xFF0001, ColorFormat::Hsl, "hsl(360, 100%, 50%)"},
        {0x00FF00, ColorFormat::Hsl, "hsl(120, 100%, 50%)"},
        {0x34C759, ColorFormat::Hsl, "hsl(135, 59%, 49%)"},
    };
    for (const Case& c : cases) EXPECT_EQ(color_to_text(c.rgb, c.format), c.text) << c.text;
}

TEST(Magnifier, CursorText) { EXPECT_EQ(cursor_text(-1920, 37), "-1920, 37"); }
