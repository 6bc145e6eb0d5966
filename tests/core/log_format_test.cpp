#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "util/log.h"

namespace {

using namespace std::string_view_literals;

struct LineCase {
    uint64_t ms;
    std::string_view message;
    std::string_view line;
};

TEST(LogLine, TickCountInBracketsThenTheMessageUnchanged) {
    const LineCase cases[] = {
        {0, "", "[0] \n"},
        {7, "start", "[7] start\n"},
        {1000000, "x", "[1000000] x\n"},  // plain decimal: no separators, no padding
        {std::numeric_limits<uint64_t>::max(), "max", "[18446744073709551615] max\n"},
        {42, "two\nlines", "[42] two\nlines\n"},
        {42, "Gr\xC3\xBC\xC3\x9F" "e \xE6\x88\xAA\xE5\x9C\x96", "[42] Gr\xC3\xBC\xC3\x9F" "e \xE6\x88\xAA\xE5\x9C\x96\n"},
        {42, "a\0b"sv, "[42] a\0b\n"sv},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(format_log_line(c.ms, c.message), std::string(c.line)) << c.ms << " " << c.message;
}

}  // namespace
