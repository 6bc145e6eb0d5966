// ormick-oxel-fakeocr.exe: the whole program, recognising with the scripted stand-in whose
// script ORMICK_OXEL_FAKE_OCR names. Test-only.
//
// A test that needs no selection starts an OCR job straight from an image file (start_ocr
// with the image and a placement) by writing its path into the file that
// ORMICK_OXEL_FAKE_OCR_TRIGGER names; the running instance picks it up within 100 ms.
#include <windows.h>

#include <mutex>

#include "image/image_load_win.h"
#include "main/app_main.h"
#include "ocr/ocr_jobs_win.h"
#include "scripted_ocr_platform.h"
#include "util/log.h"
#include "util/text.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/main_window.h"

OcrPlatform& ocr_platform() {
    static std::once_flag once;
    static std::unique_ptr<ScriptedOcrPlatform> platform;
    std::call_once(once, [] {
        const std::optional<std::string> path = env_var("ORMICK_OXEL_FAKE_OCR");
        Result<OcrScript> script = path ? OcrScript::load(*path) : Result<OcrScript>(make_error("ORMICK_OXEL_FAKE_OCR is not set"));
        if (script.ok()) {
            platform = std::make_unique<ScriptedOcrPlatform>(std::move(script.value()));
        } else {
            debug_log("fake ocr: " + script.error().message);
            platform = std::make_unique<ScriptedOcrPlatform>(script.error().message);
        }
    });
    return *platform;
}

namespace {

void CALLBACK check_trigger(HWND, UINT, UINT_PTR, DWORD) {
    const std::optional<std::string> trigger = env_var("ORMICK_OXEL_FAKE_OCR_TRIGGER");
    if (!trigger || !MAIN_HWND.get()) return;
    Result<std::optional<std::string>> text = read_file(*trigger, 4096);
    if (!text.ok() || !text.value()) return;
    DeleteFileW(to_wide(*trigger).c_str());
    const std::string image_path(trim(*text.value()));
    debug_log("fake ocr: trigger " + image_path);
    std::optional<DibBitmap> image = load_image_file(image_path);
    if (!image) {
        debug_log("fake ocr: trigger image not loadable");
        return;
    }
    start_ocr(*image, Rect{100, 100, 100 + image->width, 100 + image->height});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetTimer(nullptr, 0, 100, check_trigger);
    app_main();
    return 0;
}
