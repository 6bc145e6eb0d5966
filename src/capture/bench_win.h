#pragma once
// "--bench": capture timing runs. BENCH_MODE makes every session close itself once shown.
#include "util/dev_args.h"

void run_bench(const Args& args);
