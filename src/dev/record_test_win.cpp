// "--record-test": records a rectangle for a fixed time and writes the outcome as a report.
#include "dev/dev_jobs_win.h"

#include <windows.h>

#include "dev/dev_pump_win.h"
#include "dev/record_test_args.h"
#include "dxgi/dxgi_win.h"
#include "record/record_params.h"
#include "record/record_session_win.h"
#include "record/record_win.h"
#include "util/clock.h"
#include "util/log.h"
#include "win/dev_report.h"

namespace {

// Records `rect` at 30 fps (GIF: 15) with the pointer for `seconds`, then writes Ok("path") or
// Err("text") to `report`. Writes nothing when no recording starts.
void record_for_duration(const Rect& rect, double seconds, bool gif, const std::string& report) {
    capture_engine_prewarm(clock_ms());
    std::optional<EncoderThread> encoder = setup_recording(rect, gif, 30, true);
    if (!encoder) {
        // A frame that failed to show leaves its encoder running: join it before the job ends.
        join_record_thread();
        debug_log("record test: nothing recorded");
        return;
    }
    const double start = clock_ms();
    // Until the time is up, or sooner when the recording already ended (its encoder failed).
    pump_while([&] { return recorder_is_recording() && (clock_ms() - start) / 1000.0 < seconds; });
    stop_recording(false);
    const std::string text = format_record_report(join_encoder(*encoder));
    debug_log("record test: " + text);
    write_dev_report(report, text, "record test");
}

}  // namespace

void run_record_test(const Args& args) {
    const std::optional<size_t> at = find_arg(args, "--record-test");
    if (!at) return;
    const std::optional<RecordTestArgs> parsed = parse_record_test_args(args, *at);
    if (!parsed) return;
    if (parsed->refused_seconds)
        debug_log("record test: duration \"" + *parsed->refused_seconds + "\" refused (0 to " +
                  std::to_string(DEV_MAX_SECONDS) + " s): recording " + std::to_string(static_cast<int>(RECORD_TEST_DEFAULT_SECONDS)) + " s");
    record_for_duration(parsed->rect, parsed->seconds, parsed->gif, parsed->report);
}
