#include <gtest/gtest.h>

#include <string>

#include "util/result.h"

// Reading the side a result does not hold is a programming error, never an exception that
// could unwind through a window procedure.
TEST(Result, ReadingTheMissingSideEndsTheProcess) {
    const Result<int> failed = make_error("disk on fire");
    const Result<int> fine = 4;
    const Status failed_status = make_error("no");
    const Status fine_status;
    EXPECT_EQ(fine.value(), 4);
    EXPECT_EQ(failed.error().message, "disk on fire");
    EXPECT_EQ(failed_status.error().message, "no");
    EXPECT_DEATH((void)failed.value(), "value\\(\\) of a failed result: disk on fire");
    EXPECT_DEATH((void)Result<std::string>(make_error("gone")).value(), "failed result: gone");
    EXPECT_DEATH((void)fine.error(), "error\\(\\) of a successful result");
    EXPECT_DEATH((void)fine_status.error(), "error\\(\\) of a successful result");
}
