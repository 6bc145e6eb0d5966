#pragma once
// Recognition on worker threads: the OCR job (a selection or a pin), the re-run in another
// language (the OCR result window) and the list of installed recogniser languages. Workers
// get copies, touch no window, and end by posting one heap record.
#include <windows.h>

#include <string>
#include <vector>

#include "image/dib_bitmap_win.h"
#include "ocr/ocr_platform.h"
#include "ocr/ocr_types.h"
#include "util/geometry.h"

// The engine this program uses: the Windows OCR engine, or in the test-only build the
// scripted stand-in (a link-time choice).
OcrPlatform& ocr_platform();

struct OcrJobRequest {
    std::vector<uint32_t> pixels;
    std::string language_tag;  // empty: all installed recognisers
    Rect placement;            // passed through to the result window
    HWND target = nullptr;     // the main window
    int32_t width = 0, height = 0;
};

// What a re-run thread owns: a copy of the already prepared pixels, the language tag (empty:
// all installed recognisers), and where and with which number to answer.
struct OcrRerunRequest {
    std::vector<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
    std::string tag;
    HWND target = nullptr;  // the OCR result window
    uintptr_t request = 0;  // the window's re-run number, posted back as wParam
};

// Post WM_APP_OCR_DONE (0, OcrJobResult) and WM_APP_OCR_RERUN_DONE (request number,
// OcrTextResult); false when the post failed, and the record is freed then.
bool ocr_worker(OcrPlatform& platform, OcrJobRequest request);
bool ocr_rerun_worker(OcrPlatform& platform, OcrRerunRequest request);
std::vector<OcrLanguage> ocr_list_languages_worker(OcrPlatform& platform);

// On the UI thread: prepares the source and recognises it on a detached worker; the outcome
// reaches the main window as WM_APP_OCR_DONE. `placement`: the selection or the pin on screen.
// A source too large for the engine, or one that cannot be prepared, gives the "Text
// recognition failed" notice at once.
void start_ocr(const DibBitmap& source, Rect placement);
// WM_APP_OCR_DONE on the main window (lParam the record a job posted; anything else is
// ignored): the text in a result window, or the notice of a failure or of no text.
void on_ocr_done(LPARAM record);
// On the UI thread: a re-run on a detached worker.
void start_ocr_rerun(OcrRerunRequest request);
// The installed recogniser languages, from a thread of their own that is joined here.
std::vector<OcrLanguage> list_ocr_languages();
