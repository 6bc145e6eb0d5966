#include "dxgi/prewarm_timer_win.h"

#include <windows.h>

#include "dxgi/dxgi_win.h"
#include "dxgi/prewarm.h"
#include "win/main_window.h"
#include "win/messages.h"

UiCell<uint32_t> PREWARM_TICKS;

namespace {
UiCell<bool> PREWARM_RUNNING;
}

void restart_prewarm_timer() {
    HWND main = MAIN_HWND.get();
    if (!main) return;
    PREWARM_TICKS.set(0);
    if (PREWARM_RUNNING.get()) return;
    if (SetTimer(main, TIMER_PREWARM, PREWARM_INTERVAL_MS, nullptr)) PREWARM_RUNNING.set(true);
}

void stop_prewarm_timer() {
    HWND main = MAIN_HWND.get();
    if (main) KillTimer(main, TIMER_PREWARM);
    PREWARM_RUNNING.set(false);
}

void prewarm_tick() {
    const uint32_t ticks = PREWARM_TICKS.get();
    if (ticks < UINT32_MAX) PREWARM_TICKS.set(ticks + 1);
    const bool again = dxgi_init();
    // Read again: the step may have restarted the count.
    if (!prewarm_keep(PREWARM_TICKS.get(), again)) stop_prewarm_timer();
}
