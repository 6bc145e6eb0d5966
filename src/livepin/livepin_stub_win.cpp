// Placeholder until live pins land.
#include "livepin/livepin_win.h"

const WindowClass LIVEPIN_WINDOW_CLASS{L"OrmickOxelLive", DefWindowProcW, CS_DBLCLKS, IDC_SIZEALL};
