#pragma once
// The numbers and texts of a screen recording. Platform-free.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/geometry.h"
#include "util/result.h"

inline constexpr uint32_t GIF_MAX_FPS = 15;
inline constexpr uint32_t MP4_MAX_FPS = 60;

// The rectangle recorded from a selection: width and height rounded down to even numbers,
// each more than 14; none for anything smaller.
std::optional<Rect> record_dims(const Rect& selection);
// 0 becomes 1; at most 15 for GIF, 60 for MP4.
uint32_t clamp_fps(uint32_t fps, bool gif);
// The frame timer's period: 1000 / fps (integer division).
uint32_t timer_ms(uint32_t fps);
// width x height x fps x 0.12 bit/s within 2,000,000 and 24,000,000.
uint32_t mp4_bitrate(uint32_t width, uint32_t height, uint32_t fps);

// Seconds in 100-ns units, truncated and saturating; NaN gives 0.
int64_t sample_time_100ns(double seconds);
// A sample's duration in 100-ns units: 10,000,000 / fps.
int64_t sample_duration_100ns(uint32_t fps);

// Sample times must rise: a time not greater than the last one taken is skipped.
class SampleClock {
public:
    bool take(int64_t time) {
        if (time <= last_) return false;
        last_ = time;
        return true;
    }

private:
    int64_t last_ = -1;
};

// Whole seconds of a time in seconds: truncated, saturating; negative and NaN give 0.
uint64_t whole_seconds(double seconds);
// "● Recording  mm:ss" with the translated word; minutes are not wrapped at 60.
std::string record_status_text(std::string_view recording, uint64_t seconds);
// The --record-test report: Ok("path") or Err("text"), backslashes and quotes escaped.
std::string format_record_report(const Result<std::string>& outcome);
// The "Recording saved" body: the path, and the clipboard line only when the file is there.
std::string record_saved_body(std::string_view path, bool on_clipboard);
