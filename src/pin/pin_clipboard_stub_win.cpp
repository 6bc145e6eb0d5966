// Placeholder until pinning the clipboard lands.
#include "pin/pins_win.h"
#include "util/log.h"

void pin_clipboard() { debug_log("not available in this build: pin_clipboard"); }
