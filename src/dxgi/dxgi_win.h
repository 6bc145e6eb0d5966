#pragma once
// Desktop duplication: the pre-warm step the main window's TIMER_PREWARM runs.
// Returns true while the capturer is still being set up and another step is wanted.
bool dxgi_init();
