// "--scroll-test": a scrolling capture of a rectangle as a user's goes, its image written as PNG.
#include "dev/dev_jobs_win.h"

#include <windows.h>

#include "dev/dev_pump_win.h"
#include "dev/scroll_test_args.h"
#include "dxgi/dxgi_win.h"
#include "scroll/scroll_win.h"
#include "util/clock.h"
#include "util/log.h"
#include "win/env.h"

void run_scroll_test(const Args& args) {
    const std::optional<size_t> at = find_arg(args, "--scroll-test");
    if (!at) return;
    const std::optional<ScrollTestArgs> parsed = parse_scroll_test_args(args, *at);
    if (!parsed) return;
    capture_engine_prewarm(clock_ms());
    *SCROLL_OUT.borrow() = parsed->out.value_or(join_path(temp_dir(), SCROLL_TEST_PNG));

    const double start = clock_ms();
    start_scroll_capture(parsed->rect);
    if (!scroll_session_active()) {
        debug_log("scroll test: no session started");
        SCROLL_OUT.borrow()->reset();
        return;
    }
    if (!parsed->manual) toggle_auto_scroll();
    const double limit_ms = static_cast<double>(parsed->seconds) * 1000.0;
    pump_while([&] { return scroll_session_active() && clock_ms() - start < limit_ms; });
    const bool ended = !scroll_session_active();
    // The time limit writes what was stitched so far, as the end of the page does.
    if (!ended) {
        write_scroll_out();
        finish_scroll_capture(false, ScrollCommand::None);
    }
    SCROLL_OUT.borrow()->reset();
    debug_log(std::string("scroll test: ") + (ended ? "session ended" : "time limit") + " after " +
              std::to_string(static_cast<int64_t>(clock_ms() - start)) + " ms");
}
