#pragma once
// Report lines of "--uia-bench".
#include <string>
#include <string_view>
#include <vector>

#include "util/geometry.h"

// "  <label>: <ms> ms, <n> levels, innermost <w>x<h>\n" (nothing after "innermost " when
// there is no rectangle).
void write_uia_bench_line(std::string& report, std::string_view label, double ms,
                          const std::vector<Rect>& rects);

// The median of the query times (the upper middle one for an even count); 0 for none.
double uia_bench_median(std::vector<double> times_ms);
