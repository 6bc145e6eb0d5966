// Placeholder until the engine this job runs lands.
#include "scroll/scroll_test_win.h"
#include "util/log.h"

void run_scroll_test(const Args&) { debug_log("not available in this build: --scroll-test"); }
