#include "win/shell_cells.h"

thread_local UiCell<HWND> MAIN_HWND;
thread_local UiCell<UINT> TASKBAR_CREATED_MSG;
thread_local UiCell<uint32_t> PREWARM_TICKS;

namespace {
thread_local UiCell<bool> PREWARM_RUNNING;
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
