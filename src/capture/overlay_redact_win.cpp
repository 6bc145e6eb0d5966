// Hiding personal data: the scan of the selection on a worker, and its answer turned into
// Mosaic boxes the user can undo in one step.
#include "capture/overlay_redact_win.h"

#include <memory>
#include <string>

#include "capture/overlay_paint_win.h"
#include "capture/overlay_session_win.h"
#include "capture/redact_covers.h"
#include "image/bitmap_ops_win.h"
#include "win/shell.h"
#include "redact/redact_types.h"
#include "redact/redact_worker_win.h"
#include "strings/ui_strings.h"
#include "win/post_result.h"

void start_redact(HWND window, uint64_t request) {
    std::optional<DibBitmap> image;
    {
        auto s = OpenSession::of(window);
        if (!s) return;
        OverlayState& st = **s;
        if (st.selection.request_id != request || !IsWindowVisible(window) || !st.selection.rect || st.redact.busy)
            return;
        commit_open_edits(st.editor);
        if (st.images.frozen) image = crop_bitmap(*st.images.frozen, *st.selection.rect);
        if (!image) return;
        st.redact.busy = true;
        st.redact.selection = *st.selection.rect;
        overlay_invalidate_changes(st);
    }
    start_redact_scan(*image, window, static_cast<WPARAM>(request));
}

void on_redact_done(HWND window, WPARAM request, LPARAM record) {
    // Taken first: freed whether or not a session still waits for it.
    const std::unique_ptr<RedactResult> result = take_result<RedactResult>(record);
    if (!result) return;
    {
        auto s = OpenSession::of(window);
        if (!s || (*s)->selection.request_id != request || !(*s)->redact.busy) return;
        OverlayState& st = **s;
        st.redact.busy = false;
        if (result->outcome.ok()) {
            Editor& e = st.editor;
            add_annotations(e, redact_to_annotations(result->outcome.value(), st.redact.selection, e.tools.colour,
                                                     e.tools.mosaic_blur));
        }
        overlay_invalidate_changes(st);
    }
    if (!result->outcome.ok()) tray_balloon(ui_text(OCR_FAILED), result->outcome.error().message);
    else if (result->outcome.value().empty()) tray_balloon(PROGRAM_NAME, ui_text(REDACT_NOTHING_FOUND));
}
