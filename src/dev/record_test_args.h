#pragma once
// The arguments of "--record-test RECT [SECONDS] [gif] [--out PATH]". Platform-free.
#include <optional>
#include <string>

#include "util/dev_args.h"
#include "util/geometry.h"

inline constexpr double RECORD_TEST_DEFAULT_SECONDS = 3.0;
inline constexpr const char* RECORD_TEST_REPORT = "ormick-record-test.txt";

struct RecordTestArgs {
    Rect rect;
    double seconds = RECORD_TEST_DEFAULT_SECONDS;
    bool gif = false;
    std::string report = RECORD_TEST_REPORT;  // in the current folder unless "--out" names one
    std::optional<std::string> refused_seconds;  // a duration given but not taken, for the log
};

// None without a rectangle right after the switch. The duration is the argument two places
// after the switch as a decimal number of seconds from 0 to DEV_MAX_SECONDS (3 s when absent,
// and in place of anything else, which is then kept in refused_seconds); GIF when any argument
// is "gif".
std::optional<RecordTestArgs> parse_record_test_args(const Args& args, size_t switch_index);
