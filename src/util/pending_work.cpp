#include "util/pending_work.h"

void PendingWork::begin() {
    std::lock_guard lock(mutex_);
    ++running_;
}

void PendingWork::end() {
    std::lock_guard lock(mutex_);
    if (running_ > 0) --running_;
    if (running_ == 0) idle_.notify_all();
}

bool PendingWork::wait_idle(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, limit, [this] { return running_ == 0; });
}

size_t PendingWork::running() {
    std::lock_guard lock(mutex_);
    return running_;
}
