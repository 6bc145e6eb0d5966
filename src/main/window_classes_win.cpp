#include "main/window_classes_win.h"

#include "capture/capture_win.h"
#include "frame/frame_win.h"
#include "livepin/livepin_win.h"
#include "main/main_window_win.h"
#include "ocr/ocr_result_win.h"
#include "pin/pins_win.h"
#include "prefs/prefs_win.h"
#include "win/window.h"

void register_window_classes() {
    for (const WindowClass* spec : {&OVERLAY_WINDOW_CLASS, &PIN_WINDOW_CLASS, &OCR_WINDOW_CLASS, &FRAME_WINDOW_CLASS,
                                    &LIVEPIN_WINDOW_CLASS, &PREFS_WINDOW_CLASS, &HOTKEY_CONTROL_CLASS})
        register_window_class(*spec);
}

void register_main_window_class() { register_window_class(MAIN_WINDOW_CLASS); }
