// Placeholder until live pins land.
#include "livepin/livepin_win.h"
#include "main/shell_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"

void open_live_pin(HWND, const Rect&) {
    debug_log("not available in this build: live pin");
    tray_balloon("Ormick Oxel", ui_text(LIVE_PIN_HINT));
}

const WindowClass LIVEPIN_WINDOW_CLASS{L"OrmickOxelLive", DefWindowProcW, CS_DBLCLKS, IDC_SIZEALL};
