// Placeholder until the region frame lands.
#include "frame/frame_win.h"

const WindowClass FRAME_WINDOW_CLASS{L"OrmickOxelFrame", DefWindowProcW, 0, IDC_ARROW};
