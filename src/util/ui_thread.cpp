#include <atomic>
#include <thread>

#include "util/ui_cell.h"

namespace {
std::atomic<std::thread::id> UI_THREAD{};
}

void claim_ui_thread() {
    std::thread::id none{};
    const std::thread::id self = std::this_thread::get_id();
    if (!UI_THREAD.compare_exchange_strong(none, self) && none != self)
        fatal_invariant("the UI thread was claimed twice");
}

bool on_ui_thread() {
    const std::thread::id self = std::this_thread::get_id();
    std::thread::id owner = UI_THREAD.load(std::memory_order_acquire);
    if (owner == std::thread::id{} && UI_THREAD.compare_exchange_strong(owner, self)) return true;
    return owner == self;
}
