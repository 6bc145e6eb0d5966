// The engine's workers behind the OCR result window. Until the engine's own re-run and
// language-list workers are in this build, the list is empty (the box offers only "Automatic"
// and "Add a language…", so no re-run can be asked for) and a re-run answers with an error.
#include "ocr/ocr_window_engine_win.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "util/fatal.h"
#include "util/log.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

std::vector<OcrLanguage> list_languages() { return {}; }

void rerun_worker(OcrRerunRequest request) {
    auto result = std::make_unique<OcrTextResult>(make_error("not available in this build"));
    if (!post_result(request.target, WM_APP_OCR_RERUN_DONE, request.request, std::move(result)))
        debug_log("ocr rerun: result not delivered");
}

}  // namespace

std::vector<OcrLanguage> ocr_window_languages() {
    std::vector<OcrLanguage> languages;
    try {
        std::thread reader([&languages] { languages = list_languages(); });
        reader.join();
    } catch (const std::system_error&) {
        fatal_invariant("ocr: no thread for the language list");
    }
    return languages;
}

void ocr_window_start_rerun(OcrRerunRequest request) {
    try {
        std::thread(rerun_worker, std::move(request)).detach();
    } catch (const std::system_error&) {
        fatal_invariant("ocr: no thread for the re-run");
    }
}
