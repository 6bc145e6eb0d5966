// The shipped program recognises with the Windows OCR engine. Linked only into
// ormick-oxel.exe and the Win32 tests; the test-only build links the scripted stand-in.
#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_winrt_win.h"

OcrPlatform& ocr_platform() {
    static WinRtOcrPlatform platform;
    return platform;
}
