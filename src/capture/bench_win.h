#pragma once
// "--bench": capture timing runs. BENCH_MODE makes every session close itself once shown.
#include <cstdint>

#include "main/dev_args.h"

void run_bench(const Args& args);

// The capture-engine pre-warm of the developer jobs: desktop duplication set-up steps while
// they ask for another and less than 3 s have passed since the job started (GetTickCount64).
void capture_engine_prewarm(uint64_t job_start_ms);
