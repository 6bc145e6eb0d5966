// Placeholder until screen recording lands: nothing ever records.
#include "record/record_win.h"
#include "util/log.h"

bool recorder_is_recording() { return false; }
void stop_recording(bool) { debug_log("not available in this build: stop_recording"); }
void join_record_thread() {}
