#include "dev/record_test_args.h"

#include <charconv>

std::optional<RecordTestArgs> parse_record_test_args(const Args& args, size_t switch_index) {
    const std::optional<Rect> rect = parse_rect_arg(args, switch_index);
    if (!rect) return std::nullopt;
    RecordTestArgs out;
    out.rect = *rect;
    if (switch_index + 2 < args.size()) {
        const std::string& text = args[switch_index + 2];
        double seconds = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        // "gif" and "--out" may stand there instead of a duration: they are no refused one.
        if (ec == std::errc() && end == text.data() + text.size() && seconds >= 0 &&
            seconds <= static_cast<double>(DEV_MAX_SECONDS))
            out.seconds = seconds;
        else if (text != "gif" && text != "--out")
            out.refused_seconds = text;
    }
    for (const std::string& a : args) {
        if (a == "gif") out.gif = true;
    }
    if (std::optional<std::string> report = option_value(args, "--out")) out.report = *report;
    return out;
}
