#include "record/record_test_args.h"

#include <charconv>
#include <cmath>

std::optional<RecordTestArgs> parse_record_test_args(const Args& args, size_t switch_index) {
    const std::optional<Rect> rect = parse_rect_arg(args, switch_index);
    if (!rect) return std::nullopt;
    RecordTestArgs out;
    out.rect = *rect;
    if (switch_index + 2 < args.size()) {
        const std::string& text = args[switch_index + 2];
        double seconds = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (ec == std::errc() && end == text.data() + text.size() && std::isfinite(seconds) && seconds >= 0)
            out.seconds = seconds;
    }
    for (const std::string& a : args) {
        if (a == "gif") out.gif = true;
    }
    if (std::optional<std::string> report = option_value(args, "--out")) out.report = *report;
    return out;
}
