// Placeholder until scrolling capture lands: no session ever runs.
#include "scroll/scroll_win.h"

bool scroll_session_active() { return false; }
