#pragma once
#include "util/dev_args.h"

// "--uia-bench": timings of element queries under the cursor.
void run_uia_bench(const Args& args);
