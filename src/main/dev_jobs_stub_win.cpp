// Placeholders until the engines these jobs time and test land.
#include "main/dev_jobs_win.h"
#include "util/log.h"

void run_preview(const Args&) { debug_log("not available in this build: --preview"); }
void run_redact_file(const Args&) { debug_log("not available in this build: --redact-file"); }
void run_scroll_test(const Args&) { debug_log("not available in this build: --scroll-test"); }
void run_record_test(const Args&) { debug_log("not available in this build: --record-test"); }
