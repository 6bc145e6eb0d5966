#include <gtest/gtest.h>

#include "util/dev_args.h"

TEST(DevArgs, CountAfterTheSwitchFallsBackToTenAlsoAboveItsLimit) {
    struct Case { Args args; uint64_t expected; };
    const Case cases[] = {
        {{"x.exe", "--bench", "3"}, 3},
        {{"x.exe", "--bench", "+12"}, 12},
        {{"x.exe", "--bench", "0"}, 0},
        {{"x.exe", "--bench", "-5"}, 10},
        {{"x.exe", "--bench", "--bench-out"}, 10},
        {{"x.exe", "--bench", "+"}, 10},
        {{"x.exe", "--bench", "+-3"}, 10},
        {{"x.exe", "--bench", ""}, 10},
        {{"x.exe", "--bench"}, 10},
        {{"x.exe", "--bench", "99999999999999999999999"}, 10},
        {{"x.exe", "--bench", "1000"}, 1000},
        {{"x.exe", "--bench", "1001"}, 10},
        {{"x.exe", "--bench", "18446744073709551615"}, 10},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_count_arg(c.args, 1, 1, BENCH_MAX_RUNS), c.expected) << c.args.back();
}

TEST(DevArgs, RectangleNeedsExactlyFourNumbers) {
    struct Case { std::string arg; std::optional<Rect> expected; };
    const Case cases[] = {
        {"0,0,640,480", Rect{0, 0, 640, 480}},
        {"10,x,20,30,40", Rect{10, 20, 40, 60}},
        {" -5 , 7,10,10", Rect{-5, 7, 5, 17}},
        {"+5,+7,10,10", Rect{5, 7, 15, 17}},
        {"+-5,7,10,10", std::nullopt},           // two signs: not a number, three are left
        {"+-5,1,2,3,4", Rect{1, 2, 4, 6}},       // skipped like any other piece
        {"-+5,7,10,10", std::nullopt},
        {"10,20,30", std::nullopt},
        {"1,2,3,4,5", std::nullopt},
        {"2147483647,0,1,1", std::nullopt},  // right edge would not fit
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_rect_arg({"x.exe", "--record-test", c.arg}, 1), c.expected) << c.arg;
    EXPECT_EQ(parse_rect_arg({"x.exe", "--record-test"}, 1), std::nullopt);
}

TEST(DevArgs, NamedOptionsTakeTheNextArgument) {
    const Args args{"x.exe", "--uia-bench", "--out", "r.txt"};
    EXPECT_EQ(find_out_arg(args), 2u);
    EXPECT_EQ(option_value(args, "--out"), "r.txt");
    EXPECT_EQ(option_value({"x.exe", "--out"}, "--out"), std::nullopt);
    EXPECT_EQ(option_value(args, "--lang"), std::nullopt);
}
