// The end of a session: the stitched image copied, saved or pinned, or written for the
// developer job.
#include <windows.h>

#include <utility>

#include "frame/frame_win.h"
#include "image/clipboard_win.h"
#include "image/history_win.h"
#include "image/image_file_win.h"
#include "pin/pins_win.h"
#include "scroll/scroll_platform_win.h"
#include "scroll/scroll_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "win/error.h"
#include "win/main_window.h"
#include "win/monitor.h"
#include "win/shell.h"

namespace {

// At the region's top-left, shrunk to the work area: a tall capture would cover the taskbar.
void pin_at_region(DibBitmap image, const Rect& region) {
    pin_image_within(std::move(image), region.l, region.t, monitor_place_at(POINT{region.l, region.t}).work);
}

std::string size_text(const DibBitmap& image) {
    return scroll_status_text(ScrollStatus{ScrollStatusKind::Size, image.width, image.height}, ui_strings());
}

// A save that fails keeps the stitched image as a pin where it was taken; a cancelled dialog
// is the user's choice.
void save(DibBitmap& image, const Rect& region) {
    // Modal: the session is already out of its cell and the frame gone.
    bool dialog_failed = false;
    const std::optional<std::string> path = ask_save_path(MAIN_HWND.get(), effective_save_dir(), &dialog_failed);
    if (!path) {
        if (dialog_failed) pin_at_region(std::move(image), region);
        return;
    }
    const Status saved = save_image(image, *path);
    if (saved) tray_balloon(ui_text(SAVED), *path);
    else tray_balloon(ui_text(SAVE_FAILED), saved.error().message);
    history_save(image, current_settings().history);
    if (!saved) pin_at_region(std::move(image), region);
}

}  // namespace

void finish_scroll_capture(bool ok, ScrollCommand action) {
    std::optional<ScrollSession> session = std::move(*SCROLL_SESSION.borrow());
    SCROLL_SESSION.borrow()->reset();
    frame_hide();
    if (!session || !ok) return;
    if (action != ScrollCommand::Copy && action != ScrollCommand::Save && action != ScrollCommand::Pin) return;

    const Rect region = session->core.region();
    std::optional<ScrollImage> image = session->core.result_image();
    session.reset();  // the stitched rows are copied: let them go before the bitmap is made
    if (!image) return;
    std::optional<DibBitmap> bitmap = dib_from_scroll_image(*image);
    if (!bitmap) {
        debug_log("scroll: no bitmap of " + std::to_string(image->width) + "x" + std::to_string(image->height));
        tray_balloon(action == ScrollCommand::Save ? std::string_view(ui_text(SAVE_FAILED)) : PROGRAM_NAME,
                     system_message(ERROR_NOT_ENOUGH_MEMORY));
        return;
    }
    image.reset();
    debug_log("scroll finish " + std::to_string(bitmap->width) + "x" + std::to_string(bitmap->height));

    switch (action) {
        case ScrollCommand::Copy: {
            // A refused copy is not reported as copied, and the image is kept as a pin, as after a
            // failed save: the history may be off.
            const bool copied = copy_image_or_notify(*bitmap);
            if (copied) tray_balloon(ui_text(SCROLL_COPIED), size_text(*bitmap));
            else debug_log("scroll: the clipboard did not take the image");
            history_save(*bitmap, current_settings().history);
            if (!copied) pin_at_region(std::move(*bitmap), region);
            break;
        }
        case ScrollCommand::Save: save(*bitmap, region); break;
        case ScrollCommand::Pin:
            history_save(*bitmap, current_settings().history);
            pin_at_region(std::move(*bitmap), region);
            break;
        default: break;
    }
}

void write_scroll_out() {
    std::optional<std::string> path = std::move(*SCROLL_OUT.borrow());
    SCROLL_OUT.borrow()->reset();
    if (!path) return;
    const std::optional<ScrollImage> image = scroll_result_image();
    if (!image) {
        debug_log("scroll test: nothing captured, " + *path + " not written");
        return;
    }
    const Status written = write_png(image->pixels.data(), image->pixels.size(), image->width, image->height, *path);
    if (written) {
        debug_log("scroll test: wrote " + *path + " (" + std::to_string(image->width) + " x " +
                  std::to_string(image->height) + ")");
    } else {
        debug_log("scroll test: " + *path + " not written: " + written.error().message);
    }
}
