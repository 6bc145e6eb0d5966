#pragma once
// "--redact-file": the personal-data scan of an image file, written as a report.
#include "util/dev_args.h"

void run_redact_file(const Args& args);
