#include "dev/scroll_test_args.h"

std::optional<ScrollTestArgs> parse_scroll_test_args(const Args& args, size_t switch_index) {
    const std::optional<Rect> rect = parse_rect_arg(args, switch_index);
    if (!rect) return std::nullopt;
    ScrollTestArgs out;
    out.rect = *rect;
    if (switch_index + 2 < args.size() && !args[switch_index + 2].empty()) out.out = args[switch_index + 2];
    if (switch_index + 3 < args.size() && args[switch_index + 3] == "manual") {
        out.manual = true;
        out.seconds = parse_count_arg(args, switch_index, 4, DEV_MAX_SECONDS);
    }
    return out;
}
