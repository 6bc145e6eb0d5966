#pragma once
// Hiding personal data on a worker thread: the job recognises the selection, scans its words
// and posts WM_APP_REDACT_DONE (wParam the request number, lParam a heap RedactResult that
// the receiving window takes with take_result<RedactResult> and owns from then on).
#include <windows.h>

#include "image/dib_bitmap_win.h"
#include "ocr/ocr_platform.h"
#include "redact/redact_job.h"

struct RedactRequest {
    RedactJob job;
    HWND target = nullptr;    // the overlay
    WPARAM request_number = 0;  // the overlay's session number, sent back as wParam
};

// The thread body: one post, whatever happened; false when the post failed (the record is
// freed then). Logs "redact done: Ok(N)" or "redact done: Err(\"...\")".
bool redact_worker(OcrPlatform& platform, RedactRequest request);

// On the UI thread: logs "redact start WxH", prepares `selection` (the cropped selection,
// annotations not drawn; it stays the caller's) for recognition with the ocr_lang setting and
// runs redact_worker on a detached thread. The answer always comes as one WM_APP_REDACT_DONE
// to `target`, an error included. Ends the process when no thread can be started.
void start_redact_scan(const DibBitmap& selection, HWND target, WPARAM request_number);
