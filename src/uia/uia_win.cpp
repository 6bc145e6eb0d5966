#include "uia/uia_win.h"

#include <system_error>
#include <thread>

#include "uia/uia_client_win.h"
#include "uia/uia_worker.h"

namespace {

std::shared_ptr<UiaSkipSet> process_skip_set() {
    static const auto skip = std::make_shared<UiaSkipSet>();
    return skip;
}

bool start_worker_thread(std::shared_ptr<UiaWorkerLink> link) {
    try {
        std::thread(uia_hover_worker, std::move(link), process_skip_set()).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

// Never destroyed: detached workers may still run while the process exits.
UiaHub& process_hub() {
    static UiaHub* const hub = new UiaHub(uia_clock_ms, start_worker_thread, process_skip_set());
    return *hub;
}

}  // namespace

void uia_start_worker() { process_hub().start(); }

void uia_send_request(const UiaRequest& request) { process_hub().send(request); }
