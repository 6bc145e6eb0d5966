#pragma once
// The desktop-duplication pre-warm timer (TIMER_PREWARM), run on the main window. UI thread.
#include <cstdint>

#include "util/ui_cell.h"

// Ticks of TIMER_PREWARM since it was last (re)started.
extern UiCell<uint32_t> PREWARM_TICKS;

// Restarts the pre-warm count (back to 0) and starts the timer on the main window unless it
// already runs: re-arming a running timer on every failed region grab (every 16 ms while
// recording) would postpone its tick for ever. Nothing without a main window.
void restart_prewarm_timer();
void stop_prewarm_timer();
// One TIMER_PREWARM tick: a pre-warm step, and the timer ends once no further step is wanted
// or the ticks are used up (prewarm_keep).
void prewarm_tick();
