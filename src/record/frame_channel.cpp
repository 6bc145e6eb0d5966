#include "record/frame_channel.h"

#include <condition_variable>
#include <deque>
#include <mutex>

struct FrameChannelState {
    explicit FrameChannelState(size_t cap) : capacity(cap) {}
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<RecordFrame> queue;
    size_t capacity;
    bool sender_open = true;
    bool receiver_open = true;
};

FrameSender& FrameSender::operator=(FrameSender&& o) noexcept {
    if (this != &o) {
        close();
        state_ = std::move(o.state_);
    }
    return *this;
}

OfferResult FrameSender::offer(RecordFrame frame) {
    if (!state_) return OfferResult::Closed;
    {
        std::lock_guard lock(state_->mutex);
        if (!state_->receiver_open || !state_->sender_open) return OfferResult::Closed;
        if (state_->queue.size() >= state_->capacity) return OfferResult::Full;
        state_->queue.push_back(std::move(frame));
    }
    state_->ready.notify_one();
    return OfferResult::Queued;
}

void FrameSender::close() {
    if (!state_) return;
    {
        std::lock_guard lock(state_->mutex);
        state_->sender_open = false;
    }
    state_->ready.notify_all();
    state_.reset();
}

FrameReceiver& FrameReceiver::operator=(FrameReceiver&& o) noexcept {
    if (this != &o) {
        close();
        state_ = std::move(o.state_);
    }
    return *this;
}

std::optional<RecordFrame> FrameReceiver::receive() {
    if (!state_) return std::nullopt;
    std::unique_lock lock(state_->mutex);
    state_->ready.wait(lock, [&] { return !state_->queue.empty() || !state_->sender_open; });
    if (state_->queue.empty()) return std::nullopt;
    RecordFrame frame = std::move(state_->queue.front());
    state_->queue.pop_front();
    return frame;
}

void FrameReceiver::close() {
    if (!state_) return;
    std::deque<RecordFrame> dropped;
    {
        std::lock_guard lock(state_->mutex);
        state_->receiver_open = false;
        dropped.swap(state_->queue);
    }
    state_.reset();
}

std::pair<FrameSender, FrameReceiver> make_frame_channel(size_t capacity) {
    auto state = std::make_shared<FrameChannelState>(capacity);
    return {FrameSender(state), FrameReceiver(state)};
}
