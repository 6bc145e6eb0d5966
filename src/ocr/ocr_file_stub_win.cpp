// Placeholder until the engine this job runs lands.
#include "ocr/ocr_file_win.h"
#include "util/log.h"

void run_ocr_file(const Args&) { debug_log("not available in this build: --ocr-file"); }
