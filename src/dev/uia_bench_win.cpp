// "--uia-bench": UI Automation look-ups at and near the cursor, each timed, through the client
// the worker uses.
#include "dev/dev_jobs_win.h"

#include <windows.h>

#include <string>
#include <vector>

#include "dev/uia_bench_line.h"
#include "uia/uia_client_win.h"
#include "util/clock.h"
#include "util/text.h"
#include "win/dev_report.h"
#include "win/handles.h"

namespace {

struct BenchQuery {
    std::string label;
    bool in_root;  // with the window under the cursor given, so the kept path is reused
    int32_t dx, dy;
};

std::vector<BenchQuery> bench_queries() {
    std::vector<BenchQuery> queries = {{"first", false, 0, 0}, {"same point", true, 0, 0}, {"nearby", true, 6, 4}};
    const int32_t offsets[][2] = {{-120, -80}, {120, -80}, {-120, 80}, {120, 80}, {0, 160}, {0, -160}};
    int n = 0;
    for (const auto& o : offsets) queries.push_back({"from point #" + std::to_string(++n), false, o[0], o[1]});
    return queries;
}

std::string run_queries(UiaState& state, POINT cursor) {
    std::string report;
    std::vector<double> times;
    const HWND root = GetAncestor(WindowFromPoint(cursor), GA_ROOT);
    for (const BenchQuery& q : bench_queries()) {
        const double start = clock_ms();
        const std::vector<Rect> rects = uia_element_rect_at(state, q.in_root ? root : nullptr, cursor.x + q.dx, cursor.y + q.dy);
        const double ms = clock_ms() - start;
        times.push_back(ms);
        write_uia_bench_line(report, q.label, ms, rects);
    }
    char median[64];
    std::snprintf(median, sizeof median, "median %.2f ms over %zu queries\n", uia_bench_median(times), times.size());
    return report + median;
}

}  // namespace

void run_uia_bench(const Args& args) {
    const std::string path = option_value(args, "--out").value_or("ormick-uia-bench.txt");
    std::string report;
    {
        const ComApartment apartment(COINIT_MULTITHREADED);
        Result<UiaState> created = uia_create();
        POINT cursor{};
        GetCursorPos(&cursor);
        report = "cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y) + "\n";
        if (created)
            report += run_queries(created.value(), cursor);
        else
            report += "uia unavailable: " + created.error().message + "\n";
    }  // the state goes before the apartment
    write_dev_report(path, report, "uia bench");
}
