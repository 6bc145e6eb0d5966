#pragma once
// The bounded channel between the UI thread's frame ticks and the encoder thread. The sender
// never waits: a full channel drops the frame. The receiver blocks, and reports the close only
// after it has taken every frame still queued. Dropping either end closes the channel.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// One grabbed frame: width x height pixels, top-down rows, blue, green, red and a byte without
// colour; the capture time in seconds since the recording started.
struct RecordFrame {
    std::vector<uint32_t> pixels;
    double time = 0;
};

inline constexpr size_t RECORD_CHANNEL_CAPACITY = 6;

enum class OfferResult : uint8_t { Queued, Full, Closed };

struct FrameChannelState;

class FrameSender {
public:
    FrameSender() = default;
    explicit FrameSender(std::shared_ptr<FrameChannelState> state) : state_(std::move(state)) {}
    FrameSender(FrameSender&&) noexcept = default;
    FrameSender& operator=(FrameSender&& o) noexcept;
    FrameSender(const FrameSender&) = delete;
    FrameSender& operator=(const FrameSender&) = delete;
    ~FrameSender() { close(); }

    // Closed: the receiver is gone (the encoder ended) or this sender was closed.
    OfferResult offer(RecordFrame frame);
    void close();

private:
    std::shared_ptr<FrameChannelState> state_;
};

class FrameReceiver {
public:
    FrameReceiver() = default;
    explicit FrameReceiver(std::shared_ptr<FrameChannelState> state) : state_(std::move(state)) {}
    FrameReceiver(FrameReceiver&&) noexcept = default;
    FrameReceiver& operator=(FrameReceiver&& o) noexcept;
    FrameReceiver(const FrameReceiver&) = delete;
    FrameReceiver& operator=(const FrameReceiver&) = delete;
    ~FrameReceiver() { close(); }

    // The next frame, waiting for one; none once the sender is gone and the queue is empty.
    std::optional<RecordFrame> receive();
    // Frees what is queued; later offers report Closed.
    void close();

private:
    std::shared_ptr<FrameChannelState> state_;
};

std::pair<FrameSender, FrameReceiver> make_frame_channel(size_t capacity = RECORD_CHANNEL_CAPACITY);
