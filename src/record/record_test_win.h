#pragma once
// "--record-test": records a rectangle for a fixed time and writes the outcome as a report.
#include <string>

#include "util/dev_args.h"
#include "util/geometry.h"

void run_record_test(const Args& args);
// Records `rect` at 30 fps (GIF: 15) with the pointer for `seconds`, then writes Ok("path") or
// Err("text") to `report`. Writes nothing when no recording starts.
void record_for_duration(const Rect& rect, double seconds, bool gif, const std::string& report);
