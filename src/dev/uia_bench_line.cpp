#include "dev/uia_bench_line.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string format_ms(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ms);
    return text;
}
}  // namespace

void write_uia_bench_line(std::string& report, std::string_view label, double ms,
                          const std::vector<Rect>& rects) {
    report.append("  ");
    report.append(label);
    report.append(": " + format_ms(ms) + " ms, " + std::to_string(rects.size()) + " levels, innermost ");
    if (!rects.empty()) {
        const Rect& r = rects.front();
        report.append(std::to_string(int64_t{r.r} - r.l) + "x" + std::to_string(int64_t{r.b} - r.t));
    }
    report.push_back('\n');
}

double uia_bench_median(std::vector<double> times_ms) {
    if (times_ms.empty()) return 0;
    std::sort(times_ms.begin(), times_ms.end());
    return times_ms[times_ms.size() / 2];
}
