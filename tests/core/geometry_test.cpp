#include <gtest/gtest.h>

#include <climits>

#include "util/geometry.h"

TEST(Rect, ExtremeCoordinatesDoNotOverflow) {
    const Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(huge.width(), INT32_MAX);
    EXPECT_EQ(huge.width64(), int64_t{INT32_MAX} - INT32_MIN);
    EXPECT_EQ(huge.area(), INT64_MAX);
    EXPECT_EQ((Rect{0, 0, 70000, 70000}).area(), int64_t{70000} * 70000);
    EXPECT_EQ((Rect{5, 5, 1, 9}).area(), 0);  // inverted counts as empty
}

TEST(Rect, IntersectAndContainsAreRightAndBottomExclusive) {
    EXPECT_EQ(intersect({0, 0, 10, 10}, {5, 5, 20, 20}), (Rect{5, 5, 10, 10}));
    EXPECT_TRUE(intersect({0, 0, 10, 10}, {10, 0, 20, 10}).empty());
    EXPECT_TRUE((Rect{0, 0, 10, 10}).contains(9, 9));
    EXPECT_FALSE((Rect{0, 0, 10, 10}).contains(10, 0));
}
