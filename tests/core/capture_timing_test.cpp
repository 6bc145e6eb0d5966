#include <gtest/gtest.h>

#include <limits>

#include "capture/session_rules.h"
#include "capture/timing.h"

TEST(FormatMarks, LabelSpaceSixWideOneDecimalJoinedByTwoSpaces) {
    const PhaseMark marks[] = {{MARK_DXGI, 3.04}, {MARK_DIM, 12.25}, {MARK_FOCUS, 1234.5}, {MARK_PAINT, 123456.78}};
    EXPECT_EQ(format_marks(marks), "dxgi    3.0  dim   12.2  focus 1234.5  paint 123456.8");
    EXPECT_EQ(format_marks({}), "");
    const PhaseMark one[] = {{MARK_FOCUS_FORCED, 0.0}};
    EXPECT_EQ(format_marks(one), "focus-forced    0.0");
}

TEST(BenchReport, NoRunGivesOnlyTheHeading) {
    EXPECT_EQ(format_bench_report(1920, 1080, {}), "virtual screen 1920x1080, 0 runs (ms from trigger)\n");
    const std::vector<TimingRun> empty_runs(2);
    EXPECT_EQ(format_bench_report(800, 600, empty_runs), "virtual screen 800x600, 2 runs (ms from trigger)\n");
}

TEST(BenchReport, MedianIsTheUpperMiddleOfTheLastMarks) {
    std::vector<TimingRun> runs;
    for (double focus : {40.0, 10.0, 30.0, 20.0})
        runs.push_back({{MARK_DXGI, 1.0}, {MARK_FOCUS, focus}});
    EXPECT_EQ(format_bench_report(1920, 1080, runs),
              "virtual screen 1920x1080, 4 runs (ms from trigger)\n"
              "run 1: dxgi    1.0  focus   40.0\n"
              "run 2: dxgi    1.0  focus   10.0\n"
              "run 3: dxgi    1.0  focus   30.0\n"
              "run 4: dxgi    1.0  focus   20.0\n"
              "median until focused 30.0 ms, worst 40.0 ms\n");
    runs.pop_back();  // 40, 10, 30: the middle one
    EXPECT_NE(format_bench_report(1, 1, runs).find("median until focused 30.0 ms, worst 40.0 ms\n"), std::string::npos);
}

TEST(BenchReport, RunsWithoutMarksStayOutOfTheMedian) {
    const std::vector<TimingRun> runs = {{}, {{MARK_FOCUS, 5.0}}, {}};
    const std::string report = format_bench_report(10, 10, runs);
    EXPECT_NE(report.find("run 1: \n"), std::string::npos);
    EXPECT_NE(report.find("median until focused 5.0 ms, worst 5.0 ms\n"), std::string::npos);
}

TEST(NeedsDwmFlush, OnlyForPinEditsAndRightAfterTheLastSession) {
    struct Case { bool pin_edit; std::optional<double> since_end; bool flush; };
    const Case cases[] = {
        {false, std::nullopt, false}, {false, 99.0, true}, {false, 101.0, false}, {false, 100.0, false},
        {false, 0.0, true}, {true, std::nullopt, true}, {true, 5000.0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(needs_dwm_flush(c.pin_edit, c.since_end), c.flush) << c.pin_edit << " " << c.since_end.value_or(-1);
}

TEST(OverlayFontHeight, TwelveTimesTheScaleRounded) {
    struct Case { float scale; int32_t height; };
    const Case cases[] = {{1.0f, 12}, {1.25f, 15}, {1.5f, 18}, {1.75f, 21}, {2.0f, 24}, {0.0f, 1},
                          {-3.0f, 1}, {std::numeric_limits<float>::quiet_NaN(), 1}, {1e9f, 1000}};
    for (const Case& c : cases) EXPECT_EQ(overlay_font_height(c.scale), c.height) << c.scale;
}
