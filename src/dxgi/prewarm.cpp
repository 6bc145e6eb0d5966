#include "dxgi/prewarm.h"

bool prewarm_keep(uint32_t ticks, bool again) { return again && ticks < PREWARM_MAX_TICKS; }
