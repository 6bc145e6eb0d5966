// Making a live pin: its window over the pinned area and a DWM thumbnail of the source on it.
// Where the system gives no thumbnail (no desktop composition, Wine) nothing stays on screen
// and the user is told why.
#include <windows.h>
#include <imm.h>

#include <optional>
#include <string>

#include "livepin/livepin_core.h"
#include "livepin/livepin_win.h"
#include "livepin/livepin_window_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"
#include "win/shell.h"

namespace {

void report_failure(const Error& error) {
    debug_log("live pin not made: " + error.message);
    tray_balloon(PROGRAM_NAME, replace_all(ui_text(LIVE_PIN_FAILED), "{name}", error.message));
}

}  // namespace

void open_live_pin(HWND source, const Rect& selection) {
    // The overlay has just closed: the source may have gone or moved meanwhile.
    RECT wr{};
    if (!GetWindowRect(source, &wr)) return report_failure(last_error("GetWindowRect"));
    const Rect window_rect{wr.left, wr.top, wr.right, wr.bottom};
    const std::optional<Rect> area = live_pin_area(selection, window_rect);
    if (!area) {
        debug_log("live pin not made: the selection is outside the window");
        return tray_balloon(PROGRAM_NAME, ui_text(LIVE_PIN_HINT));
    }
    const HWND window = create_live_window(source, *area, window_rect);
    if (!window) return report_failure(last_error("CreateWindowExW"));
    ImmAssociateContext(window, nullptr);
    HTHUMBNAIL thumbnail = nullptr;
    if (const HRESULT hr = DwmRegisterThumbnail(window, source, &thumbnail); FAILED(hr)) {
        DestroyWindow(window);
        return report_failure(error_naming_hresult(hr, "DwmRegisterThumbnail"));
    }
    start_live_pin(window, thumbnail);
}
