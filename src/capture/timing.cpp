#include "capture/timing.h"

#include <algorithm>
#include <cstdio>

std::vector<std::string_view> expected_mark_labels(bool gdi, bool element, bool focus_forced) {
    std::vector<std::string_view> labels{MARK_DXGI};
    if (gdi) labels.push_back(MARK_GDI);
    labels.insert(labels.end(), {MARK_BUFFERS, MARK_DIM, MARK_WINDOWS, MARK_WINDOW});
    if (element) labels.push_back(MARK_ELEMENT);
    labels.insert(labels.end(), {MARK_PAINT, MARK_VISIBLE});
    if (focus_forced) labels.push_back(MARK_FOCUS_FORCED);
    labels.push_back(MARK_FOCUS);
    return labels;
}

namespace {
std::string format_ms(const char* format, double ms) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, format, ms);
    if (n < 0) return {};
    return std::string(buf, std::min<size_t>(static_cast<size_t>(n), sizeof buf - 1));
}
}  // namespace

std::string format_marks(std::span<const PhaseMark> marks) {
    std::string text;
    for (const PhaseMark& m : marks) {
        if (!text.empty()) text += "  ";
        text.append(m.label);
        text += ' ';
        text += format_ms("%6.1f", m.ms);
    }
    return text;
}

std::string format_bench_report(int32_t width, int32_t height, std::span<const TimingRun> runs) {
    std::string report = "virtual screen " + std::to_string(width) + "x" + std::to_string(height) + ", " +
                         std::to_string(runs.size()) + " runs (ms from trigger)\n";
    std::vector<double> focused;
    for (const TimingRun& run : runs)
        if (!run.empty()) focused.push_back(run.back().ms);
    if (focused.empty()) return report;
    for (size_t i = 0; i < runs.size(); ++i)
        report += "run " + std::to_string(i + 1) + ": " + format_marks(runs[i]) + "\n";
    std::sort(focused.begin(), focused.end());
    report += "median until focused " + format_ms("%.1f", focused[focused.size() / 2]) + " ms, worst " +
              format_ms("%.1f", focused.back()) + " ms\n";
    return report;
}
