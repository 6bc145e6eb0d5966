#pragma once
// The arguments of "--scroll-test RECT [OUT [manual [SECONDS]]]". Platform-free.
#include <cstdint>
#include <optional>
#include <string>

#include "util/dev_args.h"
#include "util/geometry.h"

inline constexpr const char* SCROLL_TEST_PNG = "ormick-scroll.png";  // in the temp folder
inline constexpr uint64_t SCROLL_TEST_AUTO_SECONDS = 90;

struct ScrollTestArgs {
    Rect rect;
    std::optional<std::string> out;  // none: SCROLL_TEST_PNG in the temp folder
    bool manual = false;             // the user scrolls; otherwise auto-scroll runs
    uint64_t seconds = SCROLL_TEST_AUTO_SECONDS;
};

// None without a rectangle right after the switch. The output path is the argument two places
// after it (an empty one counts as none); "manual" three places after it makes the limit the
// count four places after it (10 s by default, and for more than DEV_MAX_SECONDS).
std::optional<ScrollTestArgs> parse_scroll_test_args(const Args& args, size_t switch_index);
