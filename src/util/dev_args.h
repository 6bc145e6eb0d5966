#pragma once
// Arguments of the developer switches. Switches and named options are exact, case-sensitive
// whole arguments; the value of a named option is the argument after it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/geometry.h"

using Args = std::vector<std::string>;

std::optional<size_t> find_arg(const Args& args, std::string_view name);
// The position of "--out", if any.
std::optional<size_t> find_out_arg(const Args& args);
// The value after a named option ("--out", "--bench-out", "--lang"); none when it is missing.
std::optional<std::string> option_value(const Args& args, std::string_view name);
// The largest counts the jobs take: a larger one would run for days, so it is refused like a
// malformed one. Runs of "--bench" (each at least a quarter of a second); seconds of a
// "--record-test" recording and of a manual "--scroll-test".
inline constexpr uint64_t BENCH_MAX_RUNS = 1000;
inline constexpr uint64_t DEV_MAX_SECONDS = 3600;

// An unsigned decimal with an optional leading '+'; 10 when missing, empty, a lone sign, not a
// number or above `max`. `offset` is the argument's distance from the switch.
uint64_t parse_count_arg(const Args& args, size_t switch_index, size_t offset, uint64_t max);
// "x,y,w,h" right after the switch: exactly four signed 32-bit numbers (pieces that are not
// numbers are skipped) give the rectangle from (x, y) to (x + w, y + h).
std::optional<Rect> parse_rect_arg(const Args& args, size_t switch_index);
