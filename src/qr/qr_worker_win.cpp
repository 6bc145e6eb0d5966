#include "qr/qr_worker_win.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "ocr/ocr_result_win.h"
#include "qr/qr_result.h"
#include "qr/qr_scan.h"
#include "qr/qr_text.h"
#include "qr/zbar_decoder.h"
#include "util/fatal.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "win/messages.h"
#include "win/post_result.h"
#include "win/shell.h"

void qr_worker(QrRequest request) {
    auto result = std::make_unique<QrScanResult>();
    result->placement = request.placement;
    {
        ZbarQrDecoder decoder;  // one scanner per job
        result->texts = qr_scan(request.pixels, request.width, request.height, decoder);
    }
    // A failed post frees the record; nobody is left to tell.
    if (!post_result(request.target, WM_APP_QR_DONE, 0, std::move(result))) debug_log("qr: result not delivered");
}

void start_qr_worker(QrRequest request) {
    try {
        std::thread(qr_worker, std::move(request)).detach();
    } catch (const std::system_error&) {
        fatal_invariant("qr: no thread for the QR worker");
    }
}

void on_qr_done(LPARAM record) {
    const std::unique_ptr<QrScanResult> scan = take_result<QrScanResult>(record);
    if (!scan) return;
    if (scan->texts.empty()) {
        tray_balloon(PROGRAM_NAME, ui_text(QR_NOT_FOUND));
        return;
    }
    std::string joined = join_qr_texts(scan->texts);
    std::string lines = joined;
    show_ocr_window(std::move(joined), std::move(lines), scan->placement, true, std::nullopt);
}
