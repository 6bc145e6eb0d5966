#pragma once
// A count of jobs still running on detached workers, so that the process can let them finish
// before it ends. Platform-free; any thread.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>

class PendingWork {
public:
    // Called before the worker starts, so a wait that follows never misses it.
    void begin();
    // The worker's last step.
    void end();
    // True once none runs; false when some still run after `limit`.
    bool wait_idle(std::chrono::milliseconds limit);
    size_t running();

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    size_t running_ = 0;
};
