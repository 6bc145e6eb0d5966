#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dev/record_test_args.h"
#include "record/record_params.h"

TEST(RecordParams, DimsEvenAndLargerThanFourteen) {
    struct Case {
        Rect selection;
        std::optional<Rect> recorded;
    };
    const Case cases[] = {
        {{0, 0, 101, 51}, Rect{0, 0, 100, 50}},
        {{10, 20, 26, 36}, Rect{10, 20, 26, 36}},       // 16 x 16: the smallest
        {{0, 0, 100, 15}, std::nullopt},                // 15 high rounds down to 14
        {{0, 0, 14, 100}, std::nullopt},
        {{-51, -31, 50, 30}, Rect{-51, -31, 49, 29}},  // negative coordinates keep their left/top
        {{50, 50, 10, 10}, std::nullopt},               // inverted
        {{INT32_MIN, 0, INT32_MAX, 100}, std::nullopt}, // wider than any bitmap
    };
    for (const Case& c : cases) {
        EXPECT_EQ(record_dims(c.selection), c.recorded)
            << c.selection.l << "," << c.selection.t << "," << c.selection.r << "," << c.selection.b;
    }
}

TEST(RecordParams, FpsClampsAndTimerPeriods) {
    struct Case {
        uint32_t fps;
        bool gif;
        uint32_t clamped;
        uint32_t period_ms;
    };
    const Case cases[] = {
        {0, false, 1, 1000}, {0, true, 1, 1000},   {100, false, 60, 16}, {100, true, 15, 66},
        {30, false, 30, 33}, {30, true, 15, 66},   {7, true, 7, 142},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clamp_fps(c.fps, c.gif), c.clamped) << c.fps << " gif " << c.gif;
        EXPECT_EQ(timer_ms(c.clamped), c.period_ms) << c.fps;
    }
    EXPECT_EQ(timer_ms(0), 1000u);
}

TEST(RecordParams, Mp4BitRates) {
    struct Case {
        uint32_t w, h, fps, bits;
    };
    const Case cases[] = {
        {1920, 1080, 30, 7'464'960},
        {320, 240, 10, 2'000'000},
        {3840, 2160, 60, 24'000'000},
        {0, 0, 0, 2'000'000},
        {UINT32_MAX, UINT32_MAX, 60, 24'000'000},
    };
    for (const Case& c : cases) EXPECT_EQ(mp4_bitrate(c.w, c.h, c.fps), c.bits) << c.w << "x" << c.h;
}

TEST(RecordParams, SampleTimesAndClock) {
    EXPECT_EQ(sample_time_100ns(1.5), 15'000'000);
    EXPECT_EQ(sample_time_100ns(0.00000019), 1);  // truncated
    EXPECT_EQ(sample_time_100ns(std::nan("")), 0);
    EXPECT_EQ(sample_time_100ns(1e300), INT64_MAX);
    EXPECT_EQ(sample_time_100ns(-1e300), INT64_MIN);
    EXPECT_EQ(sample_duration_100ns(30), 333'333);
    EXPECT_EQ(sample_duration_100ns(0), 10'000'000);

    // Two frames whose times give the same 100-ns value: the second is skipped.
    SampleClock clock;
    EXPECT_TRUE(clock.take(sample_time_100ns(0.0)));
    EXPECT_TRUE(clock.take(sample_time_100ns(0.10000001)));
    EXPECT_FALSE(clock.take(sample_time_100ns(0.10000002)));
    EXPECT_FALSE(clock.take(sample_time_100ns(0.05)));
    EXPECT_TRUE(clock.take(sample_time_100ns(0.2)));
}

TEST(RecordParams, StatusText) {
    struct Case {
        double time;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "\xE2\x97\x8F Recording  00:00"}, {65.9, "\xE2\x97\x8F Recording  01:05"},
        {3660.0, "\xE2\x97\x8F Recording  61:00"}, {-3.0, "\xE2\x97\x8F Recording  00:00"},
        {std::nan(""), "\xE2\x97\x8F Recording  00:00"}, {6000.0 * 60 + 7, "\xE2\x97\x8F Recording  6000:07"},
    };
    for (const Case& c : cases) EXPECT_EQ(record_status_text("Recording", whole_seconds(c.time)), c.text) << c.time;
    EXPECT_EQ(whole_seconds(1e30), UINT64_MAX);
}

TEST(RecordParams, ReportEscapesBackslashesAndQuotes) {
    EXPECT_EQ(format_record_report(Result<std::string>(std::string("C:\\Users\\a \"b\".gif"))),
              "Ok(\"C:\\\\Users\\\\a \\\"b\\\".gif\")");
    EXPECT_EQ(format_record_report(Result<std::string>(make_error("MFCreateSinkWriterFromURL failed (0x80070057)"))),
              "Err(\"MFCreateSinkWriterFromURL failed (0x80070057)\")");
}

TEST(RecordParams, TestSwitchDurationIsUpToAnHourOrThreeAndARefusedOneIsKept) {
    struct Case { std::string arg; double seconds; bool refused; };
    const Case cases[] = {
        {"2", 2.0, false}, {"0.5", 0.5, false}, {"0", 0.0, false}, {"3600", 3600.0, false},
        {"-1", 3.0, true}, {"-0.5", 3.0, true}, {"nan", 3.0, true}, {"inf", 3.0, true}, {"2s", 3.0, true},
        {"3600.5", 3.0, true}, {"99999999999999999999", 3.0, true}, {"1e400", 3.0, true},
        {"gif", 3.0, false}, {"--out", 3.0, false},
    };
    for (const Case& c : cases) {
        const Args args{"x.exe", "--record-test", "0,0,640,480", c.arg, "r.txt"};
        const std::optional<RecordTestArgs> got = parse_record_test_args(args, 1);
        ASSERT_TRUE(got) << c.arg;
        EXPECT_EQ(got->seconds, c.seconds) << c.arg;
        EXPECT_EQ(got->refused_seconds, c.refused ? std::optional<std::string>(c.arg) : std::nullopt) << c.arg;
    }
}

TEST(RecordSavedBody, MentionsTheClipboardOnlyWhenTheFileIsThere) {
    EXPECT_EQ(record_saved_body("C:\\v.mp4", true), "C:\\v.mp4\nThe file is on the clipboard, ready to paste");
    EXPECT_EQ(record_saved_body("C:\\v.mp4", false), "C:\\v.mp4");
}
