// Desktop duplication under Wine: enumeration and device creation work, DuplicateOutput does not.
#include <gtest/gtest.h>
#include <windows.h>

#include "dxgi/dxgi_win.h"
#include "dxgi/prewarm_timer_win.h"

namespace {

// Leaves ORMICK_OXEL_GDI unset, desktop duplication chosen, and the capturer dropped.
class DxgiInit : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        SetEnvironmentVariableW(L"ORMICK_OXEL_GDI", nullptr);
        choose_capture_engine(false);
        stop_prewarm_timer();
        dxgi_drop_capturer();
    }
    bool has_capturer() { return DXGI_CAPTURER.borrow()->has_value(); }
};

}  // namespace

TEST_F(DxgiInit, LastingDuplicationFailureEndsThePrewarm) {
    EXPECT_FALSE(dxgi_init());
    {
        auto cell = DXGI_CAPTURER.borrow();
        ASSERT_TRUE(cell->has_value());
        const DxgiCapturer& cap = **cell;
        ASSERT_FALSE(cap.outputs.empty()) << "Wine enumerates its output";
        if (!cap.outputs[0].failed) GTEST_SKIP() << "desktop duplication works on this system";
        EXPECT_FALSE(cap.recreate);
        EXPECT_TRUE(cap.devices.empty()) << "the GPU devices are let go once every output failed";
        std::vector<Rect> rects;
        for (const DuplicatedOutput& o : cap.outputs) {
            EXPECT_TRUE(o.failed);
            EXPECT_FALSE(o.duplication);
            EXPECT_FALSE(o.output);
            EXPECT_FALSE(o.has_frame);
            EXPECT_LE(o.rotation, 1u);
            rects.push_back(o.rect);
        }
        EXPECT_TRUE(same_rect_set(rects, monitor_rects())) << "outputs are the monitors";
    }
    EXPECT_FALSE(dxgi_init()) << "a failed output is not retried";
    EXPECT_FALSE(DXGI_CAPTURER.borrow()->value().recreate);

    // The grab passes the failed outputs over: everything is left to GDI, nothing to retry.
    const Rect vs = virtual_screen_rect();
    auto frozen = DibBitmap::create(vs.width(), vs.height());
    ASSERT_TRUE(frozen);
    const GrabResult g =
        dxgi_grab(frozen->bits, frozen->pixel_count(), frozen->width, frozen->height, vs.l, vs.t, monitor_rects());
    EXPECT_TRUE(g.copied.empty());
    EXPECT_FALSE(g.incomplete);
}

TEST_F(DxgiInit, GdiForcedByAnEmptyVariableOrTheSetting) {
    struct Case {
        const char* what;
        const wchar_t* env;
        bool gdi_chosen;
    };
    const Case cases[] = {
        {"ORMICK_OXEL_GDI set but empty", L"", false},
        {"ORMICK_OXEL_GDI=1", L"1", false},
        {"capture_engine=gdi", nullptr, true},
    };
    const Rect vs = virtual_screen_rect();
    auto frozen = DibBitmap::create(vs.width(), vs.height());
    ASSERT_TRUE(frozen);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        dxgi_drop_capturer();
        SetEnvironmentVariableW(L"ORMICK_OXEL_GDI", k.env);
        choose_capture_engine(k.gdi_chosen);
        stop_prewarm_timer();
        EXPECT_TRUE(gdi_forced());
        EXPECT_FALSE(dxgi_init());
        EXPECT_FALSE(has_capturer()) << "nothing is built";
        const GrabResult g = dxgi_grab(frozen->bits, frozen->pixel_count(), frozen->width, frozen->height, vs.l,
                                       vs.t, monitor_rects());
        EXPECT_TRUE(g.copied.empty());
        EXPECT_FALSE(g.incomplete);
    }
    SetEnvironmentVariableW(L"ORMICK_OXEL_GDI", nullptr);
    choose_capture_engine(false);
    stop_prewarm_timer();
    EXPECT_FALSE(gdi_forced());
}

