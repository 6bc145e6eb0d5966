#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "image/dib_bitmap_win.h"
#include "win/draw.h"

TEST(UiFont, SameRequestGivesTheSameHandleAndBoldIsWeight600) {
    HFONT a = ui_font(14, false);
    HFONT b = ui_font(14, false);
    HFONT bold = ui_font(14, true);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, bold);
    LOGFONTW lf{};
    ASSERT_NE(GetObjectW(bold, sizeof lf, &lf), 0);
    EXPECT_EQ(lf.lfWeight, 600);
    EXPECT_EQ(lf.lfHeight, -14);
}

TEST(TextDrawing, LeavesTheCallersFontSelected) {
    std::optional<DibBitmap> dib = DibBitmap::create(80, 20);
    ASSERT_TRUE(dib);
    const HFONT callers = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SelectObject(dib->hdc(), callers);
    const HFONT ui = ui_font(14, true);
    EXPECT_GT(text_extent(dib->hdc(), ui, "Ormick").cx, 0);
    EXPECT_EQ(GetCurrentObject(dib->hdc(), OBJ_FONT), callers);
    draw_text(dib->hdc(), ui, "Ormick", RECT{0, 0, 80, 20}, RGB(255, 255, 255), DT_LEFT);
    EXPECT_EQ(GetCurrentObject(dib->hdc(), OBJ_FONT), callers);
}

TEST(FillRectColor, PaintsOnlyTheBorder) {
    struct Case { Rect rect; int32_t thickness; int expected; };
    const Case cases[] = {
        {{0, 0, 10, 10}, 1, 36},
        {{0, 3, 10, 4}, 1, 10},  // one row, no side bands
        {{2, 2, 8, 8}, 2, 32},
    };
    for (const Case& c : cases) {
        auto dib = DibBitmap::create(10, 10);
        ASSERT_TRUE(dib);
        fill_rect_color(dib->hdc(), c.rect, c.thickness, RGB(255, 0, 0));
        GdiFlush();
        int painted = 0;
        for (uint32_t p : dib->pixels())
            if ((p & 0xFFFFFF) == 0xFF0000) ++painted;
        EXPECT_EQ(painted, c.expected) << c.rect.l << "," << c.rect.t << " " << c.thickness;
    }
}
