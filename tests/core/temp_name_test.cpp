#include <gtest/gtest.h>

#include "util/temp_name.h"

// Only the names a whole-or-nothing write makes are ever taken for its leftovers.
TEST(TempName, OnlyTheWritersOwnNames) {
    for (const char* own : {"oox1.tmp", "ooxA3F.tmp", "oox1a2b.tmp", "OOXFFFF.TMP"}) EXPECT_TRUE(is_replacing_temp_name(own)) << own;
    for (const char* other : {"oox.tmp", "oox12345.tmp", "ooxG1.tmp", "oox1.tmp.png", "xoox1.tmp", "oox1.txt",
                              "Ormick_20260108_093005_001.png", "oox 1.tmp", "abc.tmp"})
        EXPECT_FALSE(is_replacing_temp_name(other)) << other;
}
