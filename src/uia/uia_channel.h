#pragma once
// A channel that keeps only the newest value: a send replaces whatever the receiver has not
// taken yet, so a slow receiver always works on the latest request.
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

template <class T>
class NewestChannel {
public:
    // False once the channel is closed (the value is dropped).
    bool send(T value) {
        {
            std::lock_guard lock(mutex_);
            if (closed_) return false;
            slot_ = std::move(value);
        }
        ready_.notify_one();
        return true;
    }

    // Waits for a value; none once the channel is closed and the last value was taken.
    std::optional<T> receive() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return slot_.has_value() || closed_; });
        return std::exchange(slot_, std::nullopt);
    }

    // No more sends; the receiver still gets a value sent before, then none.
    void close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        ready_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::optional<T> slot_;
    bool closed_ = false;
};
