// "--bench": capture timing runs. The sessions close themselves once shown (bench mode).
#include "dev/dev_jobs_win.h"

#include <windows.h>

#include <string>

#include "capture/capture_win.h"
#include "capture/timing.h"
#include "dxgi/dxgi_win.h"
#include "util/clock.h"
#include "win/dev_report.h"
#include "win/env.h"

namespace {

// Long enough for a loaded machine: a run cut short leaves the next capture refused.
constexpr double RUN_TIMEOUT_MS = 30000;
constexpr DWORD PAUSE_BETWEEN_RUNS_MS = 250;

}  // namespace

void run_bench(const Args& args) {
    const double job_start = clock_ms();
    const uint64_t runs = parse_count_arg(args, find_arg(args, "--bench").value_or(0), 1, BENCH_MAX_RUNS);
    const std::string out =
        option_value(args, "--bench-out").value_or(join_path(temp_dir(), "ormick-oxel-bench.txt"));

    set_capture_bench_mode(true);
    if (!env_is_set("ORMICK_OXEL_NO_PREWARM")) {
        overlay_prewarm();
        capture_engine_prewarm(job_start);
    }

    for (uint64_t i = 0; i < runs; ++i) {
        const double run_start = clock_ms();
        begin_capture(std::nullopt);
        while (capture_session_showing() && clock_ms() - run_start < RUN_TIMEOUT_MS) {
            MSG msg{};
            // Checked between messages too: a timer that is always due would hold the loop.
            while (clock_ms() - run_start < RUN_TIMEOUT_MS && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(1);
        }
        Sleep(PAUSE_BETWEEN_RUNS_MS);
    }

    const std::vector<TimingRun> recorded = capture_timing_runs();
    write_dev_report(out,
                     format_bench_report(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                                         recorded),
                     "bench");
}
