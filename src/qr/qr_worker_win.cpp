#include "qr/qr_worker_win.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "qr/qr_result.h"
#include "qr/qr_scan.h"
#include "qr/zbar_decoder.h"
#include "util/fatal.h"
#include "util/log.h"
#include "win/post_result.h"
#include "win/messages.h"

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
