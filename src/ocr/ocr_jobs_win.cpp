#include "ocr/ocr_jobs_win.h"

#include <memory>
#include <system_error>
#include <thread>

#include "ocr/ocr_done.h"
#include "ocr/ocr_geometry.h"
#include "ocr/ocr_prepare_win.h"
#include "ocr/ocr_recognize.h"
#include "ocr/ocr_result_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/fatal.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"
#include "win/shell.h"

namespace {

template <class F>
void run_detached(F&& body) {
    try {
        std::thread(std::forward<F>(body)).detach();
    } catch (const std::system_error&) {
        fatal_invariant("cannot start a recognition thread");
    }
}

}  // namespace

bool ocr_worker(OcrPlatform& platform, OcrJobRequest request) {
    OcrTextResult result = run_ocr(platform, request.pixels, request.width, request.height, request.language_tag);
    auto record = std::make_unique<OcrJobResult>(
        OcrJobResult{OcrImage{std::move(request.pixels), request.width, request.height}, std::move(result), request.placement});
    return post_result(request.target, WM_APP_OCR_DONE, 0, std::move(record));
}

bool ocr_rerun_worker(OcrPlatform& platform, OcrRerunRequest request) {
    auto record = std::make_unique<OcrTextResult>(
        run_ocr(platform, request.pixels, request.width, request.height, request.tag));
    return post_result(request.target, WM_APP_OCR_RERUN_DONE, request.request, std::move(record));
}

std::vector<OcrLanguage> ocr_list_languages_worker(OcrPlatform& platform) { return ocr_list_languages(platform); }

void start_ocr(const DibBitmap& source, Rect placement) {
    debug_log("ocr start " + std::to_string(source.width) + "x" + std::to_string(source.height));
    if (ocr_canvas_for(source.width, source.height).too_large()) {
        tray_balloon(ui_text(OCR_FAILED), ui_text(OCR_IMAGE_TOO_LARGE));
        return;
    }
    std::optional<PreparedOcrImage> prepared = prepare_ocr_image(source);
    if (!prepared) {
        // The size was checked above: only memory or GDI objects can have run out.
        debug_log("ocr: the image could not be prepared");
        tray_balloon(ui_text(OCR_FAILED), system_message(ERROR_NOT_ENOUGH_MEMORY));
        return;
    }
    OcrJobRequest request{std::move(prepared->image.pixels), current_settings().ocr_lang, placement, MAIN_HWND.get(),
                          prepared->image.width, prepared->image.height};
    run_detached([request = std::move(request)]() mutable { ocr_worker(ocr_platform(), std::move(request)); });
}

void start_ocr_rerun(OcrRerunRequest request) {
    run_detached([request = std::move(request)]() mutable { ocr_rerun_worker(ocr_platform(), std::move(request)); });
}

std::vector<OcrLanguage> list_ocr_languages() {
    std::vector<OcrLanguage> languages;
    try {
        std::thread([&languages] { languages = ocr_list_languages_worker(ocr_platform()); }).join();
    } catch (const std::system_error&) {
        fatal_invariant("cannot start the recogniser-language thread");
    }
    return languages;
}

void on_ocr_done(LPARAM record) {
    const std::unique_ptr<OcrJobResult> job = take_result<OcrJobResult>(record);
    if (!job) return;
    debug_log(ocr_done_log_line(job->result));
    if (!job->result.ok()) {
        tray_balloon(ui_text(OCR_FAILED), job->result.error().message);
        return;
    }
    OcrText& text = job->result.value();
    if (trim(text.assembled).empty()) {
        tray_balloon(PROGRAM_NAME, ui_text(OCR_NO_TEXT));
        return;
    }
    show_ocr_window(std::move(text.assembled), std::move(text.lines), job->placement, false, std::move(job->image));
}
