#pragma once
// "--preview": a sample of the annotation renderer and the toolbar as a PNG.
#include "util/dev_args.h"

void run_preview(const Args& args);
