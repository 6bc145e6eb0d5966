#pragma once
// Phase marks of a capture (milliseconds since its trigger) and their text forms.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct PhaseMark {
    std::string_view label;  // one of the MARK_* texts (static)
    double ms = 0;
    friend bool operator==(const PhaseMark&, const PhaseMark&) = default;
};

using TimingRun = std::vector<PhaseMark>;

inline constexpr std::string_view MARK_DXGI = "dxgi";
inline constexpr std::string_view MARK_GDI = "gdi";
inline constexpr std::string_view MARK_BUFFERS = "buffers";
inline constexpr std::string_view MARK_DIM = "dim";
inline constexpr std::string_view MARK_WINDOWS = "windows";
inline constexpr std::string_view MARK_WINDOW = "window";
inline constexpr std::string_view MARK_ELEMENT = "element";
inline constexpr std::string_view MARK_PAINT = "paint";
inline constexpr std::string_view MARK_VISIBLE = "visible";
inline constexpr std::string_view MARK_FOCUS_FORCED = "focus-forced";
inline constexpr std::string_view MARK_FOCUS = "focus";

// The labels a completed session records, in order (optional ones only when they happened).
std::vector<std::string_view> expected_mark_labels(bool gdi, bool element, bool focus_forced);

// "label   ms.d" per mark (milliseconds right-aligned in 6 with one decimal), joined by two spaces.
std::string format_marks(std::span<const PhaseMark> marks);

// The "--bench" report: a heading line, one line per run, and the median and worst time of the
// last mark over the runs that recorded any (no such line when none did).
std::string format_bench_report(int32_t width, int32_t height, std::span<const TimingRun> runs);
