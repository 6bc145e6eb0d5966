#include "uia/uia_win.h"

#include <windows.h>

#include <memory>

#include "uia/uia_client_win.h"
#include "uia/uia_worker.h"

namespace {

std::shared_ptr<UiaSkipSet> process_skip_set() {
    static const auto skip = std::make_shared<UiaSkipSet>();
    return skip;
}

// The worker lives as long as the process and mostly waits: it reserves the stack a Windows
// thread usually gets rather than the toolchain's 2 MiB (which Wine commits whole).
constexpr SIZE_T WORKER_STACK_BYTES = 1024 * 1024;

struct WorkerStart {
    std::shared_ptr<UiaWorkerLink> link;
    std::shared_ptr<UiaSkipSet> skip;
};

DWORD WINAPI worker_entry(void* param) {
    const std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(param));
    uia_hover_worker(std::move(start->link), std::move(start->skip));
    return 0;
}

bool start_worker_thread(std::shared_ptr<UiaWorkerLink> link) {
    auto start = std::make_unique<WorkerStart>(WorkerStart{std::move(link), process_skip_set()});
    const HANDLE thread =
        CreateThread(nullptr, WORKER_STACK_BYTES, worker_entry, start.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread) return false;
    start.release();  // the thread owns it now
    CloseHandle(thread);
    return true;
}

// Never destroyed: detached workers may still run while the process exits.
UiaHub& process_hub() {
    static UiaHub* const hub = new UiaHub(uia_clock_ms, start_worker_thread, process_skip_set());
    return *hub;
}

}  // namespace

void uia_start_worker() { process_hub().start(); }

void uia_send_request(const UiaRequest& request) { process_hub().send(request); }
