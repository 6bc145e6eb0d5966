#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "image/dib_bitmap_win.h"
#include "util/draw_win.h"
#include "util/env_win.h"
#include "util/log.h"
#include "util/text.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

// Points TMP/TEMP at a fresh folder for one test and puts them back afterwards.
class ScopedTempDir : public ScratchEnvFolder {
public:
    ScopedTempDir() : ScratchEnvFolder("log", {"TMP", "TEMP"}) {}
    std::string log_path() const { return at("ormick-oxel.log"); }
};

}  // namespace

TEST(DebugLog, SetButEmptyVariableWritesTheLog) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", L"");
    debug_log("first line");
    debug_log("second");
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    const std::string text = read_whole_file(tmp.log_path());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], '[');
    EXPECT_NE(text.find("] first line\n"), std::string::npos);
    EXPECT_NE(text.find("] second\n"), std::string::npos);
}

TEST(DebugLog, UnsetVariableCreatesNothing) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    debug_log("not written");
    EXPECT_FALSE(path_exists(tmp.log_path()));
}

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
        fill_rect_color(dib->hdc, c.rect, c.thickness, RGB(255, 0, 0));
        GdiFlush();
        int painted = 0;
        for (uint32_t p : dib->pixels())
            if ((p & 0xFFFFFF) == 0xFF0000) ++painted;
        EXPECT_EQ(painted, c.expected) << c.rect.l << "," << c.rect.t << " " << c.thickness;
    }
}
