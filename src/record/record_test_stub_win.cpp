// Placeholder until the engine this job runs lands.
#include "record/record_test_win.h"
#include "util/log.h"

void run_record_test(const Args&) { debug_log("not available in this build: --record-test"); }
