#include <gtest/gtest.h>

#include "dev/scroll_test_args.h"

TEST(ScrollTestArgs, RectangleThenOutputThenManualWithItsSeconds) {
    struct Case {
        Args args;
        bool parsed;
        std::optional<std::string> out;
        bool manual;
        uint64_t seconds;
    };
    const Case cases[] = {
        {{"x", "--scroll-test", "10,10,400,600"}, true, std::nullopt, false, 90},
        {{"x", "--scroll-test", "10,10,400,600", "a.png"}, true, "a.png", false, 90},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "manual"}, true, "a.png", true, 10},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "manual", "25"}, true, "a.png", true, 25},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "manual", "-5"}, true, "a.png", true, 10},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "manual", "3600"}, true, "a.png", true, 3600},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "manual", "3601"}, true, "a.png", true, 10},
        {{"x", "--scroll-test", "10,10,400,600", "a.png", "Manual", "25"}, true, "a.png", false, 90},
        // "manual" in the output's place is the output's name: positions decide.
        {{"x", "--scroll-test", "10,10,400,600", "manual", "25"}, true, "manual", false, 90},
        {{"x", "--scroll-test", "10,10,400,600", "", "manual", "3"}, true, std::nullopt, true, 3},
        {{"x", "--scroll-test", "10,10,400"}, false, std::nullopt, false, 90},
        {{"x", "--scroll-test"}, false, std::nullopt, false, 90},
    };
    for (const Case& c : cases) {
        const std::optional<ScrollTestArgs> got = parse_scroll_test_args(c.args, 1);
        ASSERT_EQ(got.has_value(), c.parsed) << c.args.size();
        if (!got) continue;
        EXPECT_EQ(got->rect, (Rect{10, 10, 410, 610}));
        EXPECT_EQ(got->out, c.out);
        EXPECT_EQ(got->manual, c.manual);
        EXPECT_EQ(got->seconds, c.seconds);
    }
}
