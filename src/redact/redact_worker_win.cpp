#include "redact/redact_worker_win.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_prepare_win.h"
#include "redact/redact_scan.h"
#include "settings/settings_win.h"
#include "util/fatal.h"
#include "util/log.h"
#include "win/messages.h"
#include "win/post_result.h"

bool redact_worker(OcrPlatform& platform, RedactRequest request) {
    auto result = std::make_unique<RedactResult>(run_redact(platform, request.job));
    request.job.pixels.reset();
    debug_log(redact_done_log_line(*result));
    if (post_result(request.target, WM_APP_REDACT_DONE, request.request_number, std::move(result))) return true;
    debug_log("redact: result not delivered");
    return false;
}

void start_redact_scan(const DibBitmap& selection, HWND target, WPARAM request_number) {
    debug_log("redact start " + std::to_string(selection.width) + "x" + std::to_string(selection.height));
    RedactRequest request;
    request.target = target;
    request.request_number = request_number;
    request.job.language_tag = current_settings().ocr_lang;
    request.job.image_width = static_cast<float>(selection.width);
    request.job.image_height = static_cast<float>(selection.height);
    // The scale comes with the prepared image, so the mapping back can never disagree with it.
    if (std::optional<PreparedOcrImage> prepared = prepare_ocr_image(selection)) {
        request.job.pixels = std::move(prepared->image.pixels);
        request.job.width = prepared->image.width;
        request.job.height = prepared->image.height;
        request.job.scale = static_cast<float>(prepared->scale);
    }
    try {
        std::thread([request = std::move(request)]() mutable { redact_worker(ocr_platform(), std::move(request)); })
            .detach();
    } catch (const std::system_error&) {
        fatal_invariant("cannot start the personal-data thread");
    }
}
