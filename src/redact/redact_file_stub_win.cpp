// Placeholder until the engine this job runs lands.
#include "redact/redact_file_win.h"
#include "util/log.h"

void run_redact_file(const Args&) { debug_log("not available in this build: --redact-file"); }
