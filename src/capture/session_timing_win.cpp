#include <utility>

#include "capture/capture_win.h"
#include "capture/session_win.h"
#include "util/clock.h"

UiCell<bool> BENCH_MODE;
UiCell<std::vector<TimingRun>> TIMING_RUNS;

void phase_mark(std::string_view label) {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return;
    SessionTiming& timing = (**cell)->timing;
    timing.marks.push_back({label, clock_ms() - timing.trigger_ms});
}

std::optional<std::string> format_timing_marks() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return std::nullopt;
    return format_marks((**cell)->timing.marks);
}

std::vector<PhaseMark> clone_timing_marks() {
    auto cell = OVERLAY_SESSION.try_borrow();
    if (!cell || !**cell) return {};
    return (**cell)->timing.marks;
}

void push_timing_run(std::vector<PhaseMark> marks) { TIMING_RUNS.borrow()->push_back(std::move(marks)); }

void set_capture_bench_mode(bool on) { BENCH_MODE.set(on); }

std::vector<TimingRun> capture_timing_runs() { return TIMING_RUNS.get(); }
