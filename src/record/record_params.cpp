#include "record/record_params.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "strings/ui_strings.h"

std::optional<Rect> record_dims(const Rect& selection) {
    const int64_t w = selection.width64() & ~int64_t{1};
    const int64_t h = selection.height64() & ~int64_t{1};
    if (w <= 14 || h <= 14 || w > INT32_MAX || h > INT32_MAX) return std::nullopt;
    const int64_t r = int64_t{selection.l} + w, b = int64_t{selection.t} + h;
    return Rect{selection.l, selection.t, static_cast<int32_t>(r), static_cast<int32_t>(b)};
}

uint32_t clamp_fps(uint32_t fps, bool gif) {
    return std::clamp<uint32_t>(fps, 1, gif ? GIF_MAX_FPS : MP4_MAX_FPS);
}

uint32_t timer_ms(uint32_t fps) { return 1000 / std::max<uint32_t>(fps, 1); }

uint32_t mp4_bitrate(uint32_t width, uint32_t height, uint32_t fps) {
    const double bits = static_cast<double>(width) * height * fps * 0.12;
    const double truncated = bits >= 4294967295.0 ? 4294967295.0 : bits > 0 ? std::trunc(bits) : 0.0;
    return std::clamp<uint32_t>(static_cast<uint32_t>(truncated), 2'000'000, 24'000'000);
}

int64_t sample_time_100ns(double seconds) {
    if (std::isnan(seconds)) return 0;
    const double t = seconds * 10'000'000.0;
    // 2^63 is exactly representable; anything at or beyond it saturates.
    if (t >= 9223372036854775808.0) return INT64_MAX;
    if (t <= -9223372036854775808.0) return INT64_MIN;
    return static_cast<int64_t>(t);
}

int64_t sample_duration_100ns(uint32_t fps) { return 10'000'000 / std::max<uint32_t>(fps, 1); }

uint64_t whole_seconds(double seconds) {
    if (!(seconds > 0)) return 0;
    if (seconds >= 18446744073709551616.0) return UINT64_MAX;
    return static_cast<uint64_t>(seconds);
}

std::string record_status_text(std::string_view recording, uint64_t seconds) {
    char clock[48];
    std::snprintf(clock, sizeof clock, "%02llu:%02llu", static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60));
    std::string text = "\xE2\x97\x8F ";  // U+25CF black circle
    text.append(recording);
    text.append("  ");
    text.append(clock);
    return text;
}

namespace {
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}
}  // namespace

std::string format_record_report(const Result<std::string>& outcome) {
    if (outcome.ok()) return "Ok(" + quoted(outcome.value()) + ")";
    return "Err(" + quoted(outcome.error().message) + ")";
}

std::string record_saved_body(std::string_view path, bool on_clipboard) {
    std::string body(path);
    if (on_clipboard) {
        body += "\n";
        body += ui_text(RECORD_ON_CLIPBOARD);
    }
    return body;
}
