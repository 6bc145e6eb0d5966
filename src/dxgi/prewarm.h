#pragma once
// The pre-warm rules: the main window's TIMER_PREWARM runs while the pre-warm step asks for
// another step, for at most 60 ticks (the 60th tick is the last even when another step is
// wanted); the developer jobs repeat the step themselves for a short while before they start.
#include <cstdint>

inline constexpr uint32_t PREWARM_MAX_TICKS = 60;

// `ticks` counts the tick just handled (1 on the first tick); `again` is what dxgi_init returned.
bool prewarm_keep(uint32_t ticks, bool again);

// The developer jobs' pre-warm: at most this long after the job started, with this pause
// between two steps. A step that asks again because no first frame has come yet would
// otherwise be repeated at once and spin a core; a frame comes about every 16 ms.
inline constexpr uint64_t ENGINE_PREWARM_BUDGET_MS = 3000;
inline constexpr uint32_t ENGINE_PREWARM_PAUSE_MS = 10;

// Runs `step` (returns true while it wants another) again and again, pausing between two
// steps, until it is content or ENGINE_PREWARM_BUDGET_MS have passed since `start_ms` on the
// clock `now_ms`. The first step always runs.
template <class Step, class NowMs, class Pause>
void repeat_prewarm_step(uint64_t start_ms, Step&& step, NowMs&& now_ms, Pause&& pause) {
    while (step()) {
        pause(ENGINE_PREWARM_PAUSE_MS);
        const uint64_t now = now_ms();
        if (now < start_ms || now - start_ms >= ENGINE_PREWARM_BUDGET_MS) return;
    }
}
