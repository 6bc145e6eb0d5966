#pragma once
// "--record-test": a recording of a rectangle for a few seconds, with its report.
#include "util/dev_args.h"

void run_record_test(const Args& args);
