#pragma once
// The rule of the main window's TIMER_PREWARM: it runs while the pre-warm step asks for another
// step, for at most 60 ticks (the 60th tick is the last even when another step is wanted).
#include <cstdint>

inline constexpr uint32_t PREWARM_MAX_TICKS = 60;

// `ticks` counts the tick just handled (1 on the first tick); `again` is what dxgi_init returned.
bool prewarm_keep(uint32_t ticks, bool again);
