#pragma once
// "--ocr-file": text recognition of an image file, written as a report.
#include "util/dev_args.h"

void run_ocr_file(const Args& args);
