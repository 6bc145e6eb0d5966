// Placeholder until the engine this job runs lands.
#include "annot/preview_win.h"
#include "util/log.h"

void run_preview(const Args&) { debug_log("not available in this build: --preview"); }
