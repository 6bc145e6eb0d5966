// The developer-switch arguments: a count is a plain unsigned number or 10; a rectangle is
// four numbers whose right and bottom edges fit in 32 bits; "--scroll-test" takes its output,
// "manual" and seconds by position.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dev/scroll_test_args.h"
#include "support/fuzz_input.h"
#include "util/dev_args.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    Args args{"x.exe", "--record-test"};
    const size_t n = in.below(4);
    for (size_t i = 0; i < n; ++i) args.push_back(in.text(48));
    args.push_back(in.rest());

    const uint64_t count = parse_count_arg(args, 1, 1, BENCH_MAX_RUNS);
    FUZZ_CHECK(count <= BENCH_MAX_RUNS);
    const std::string& first = args.size() > 2 ? args[2] : std::string();
    if (!first.empty() && (first[0] == '-' || first.rfind("+-", 0) == 0 || first.rfind("++", 0) == 0))
        FUZZ_CHECK(count == 10);
    if (first.empty()) FUZZ_CHECK(count == 10);

    if (const std::optional<Rect> r = parse_rect_arg(args, 1)) {
        // Each piece was a number: at least three commas.
        size_t commas = 0;
        for (const char c : first) commas += c == ',';
        FUZZ_CHECK(commas >= 3);
    }
    // One piece as the rectangle's x: after a '+' nothing but digits makes a number.
    const std::string piece = first.substr(0, first.find(','));
    const std::string_view t = trim(piece);
    if (parse_rect_arg({"x.exe", "--record-test", piece + ",0,0,0"}, 1) && !t.empty() && t[0] == '+')
        FUZZ_CHECK(t.size() > 1 && t.find_first_not_of("0123456789", 1) == std::string_view::npos);
    if (const std::optional<ScrollTestArgs> scroll = parse_scroll_test_args(args, 1)) {
        FUZZ_CHECK(parse_rect_arg(args, 1).has_value());
        FUZZ_CHECK(scroll->manual == (args.size() > 4 && args[4] == "manual"));
        FUZZ_CHECK(scroll->manual || scroll->seconds == SCROLL_TEST_AUTO_SECONDS);
        FUZZ_CHECK(scroll->seconds <= DEV_MAX_SECONDS);
        FUZZ_CHECK(!scroll->out || (!scroll->out->empty() && *scroll->out == args[3]));
    }
    (void)option_value(args, "--out");
    (void)find_out_arg(args);
    return 0;
}
