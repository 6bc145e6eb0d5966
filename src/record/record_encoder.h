#pragma once
// The encoder thread's side of a recording, over narrow interfaces: the MP4 writer is a
// VideoSink, the system's file deletion and the post to the main window come through
// EncoderHooks. Platform-free.
#include <atomic>
#include <cstdint>
#include <functional>
#include <chrono>
#include <future>
#include <memory>
#include <span>
#include <string>
#include <thread>

#include "record/frame_channel.h"
#include "record/gif_writer.h"
#include "util/result.h"

// Shared by the UI thread and the encoder: written before the sender is dropped, read after
// the receiver saw the channel close.
struct RecordingShared {
    std::atomic<bool> discard{false};
};

// A video file writer: begin once, write frames with rising times (100-ns units), finish.
class VideoSink {
public:
    virtual ~VideoSink() = default;
    virtual Status begin(uint32_t width, uint32_t height, uint32_t fps) = 0;
    virtual Status write(std::span<const uint32_t> pixels, int64_t time, int64_t duration) = 0;
    virtual Status finish() = 0;
};

// Every frame until the channel closes, each stamped with its capture time; a frame whose time
// does not rise past the last written one is skipped. Stops at the first failure. Without a
// frame the sink is not finished and the error is NO_FRAME_RECORDED.
Status encode_video(FrameReceiver& frames, VideoSink& sink, uint32_t width, uint32_t height, uint32_t fps);
// The GIF path over an encoder that has not begun yet.
Status encode_gif(FrameReceiver& frames, GifEncoder& encoder);

struct EncoderHooks {
    std::function<void(const std::string& path)> delete_file;
    // Hands the outcome to the main window (which then owns it); none without a main window.
    std::function<void(const Result<std::string>& outcome)> post;
};

// The error text of a cancelled recording: the file is gone and nobody is told.
inline constexpr std::string_view RECORD_CANCELLED = "cancelled";
// The outcome when the encoder thread ended abnormally.
inline constexpr std::string_view RECORD_THREAD_FAILED = "encoder thread failed";

// What follows the encoding: a cancelled recording deletes its file and posts nothing; a failed
// one deletes its file and posts the error; a finished one posts the path. Returns the thread's
// outcome.
Result<std::string> conclude_recording(const Status& encoded, const std::string& path, const RecordingShared& shared,
                                       const EncoderHooks& hooks);

// A running encoder and the outcome it will give.
struct EncoderThread {
    std::thread thread;
    std::future<Result<std::string>> outcome;
};
// Runs `body` (which may own move-only state) on a new thread; anything it throws becomes
// RECORD_THREAD_FAILED.
template <class Body>
EncoderThread start_encoder_thread(Body body) {
    std::promise<Result<std::string>> promise;
    EncoderThread encoder;
    encoder.outcome = promise.get_future();
    encoder.thread = std::thread([body = std::move(body), promise = std::move(promise)]() mutable {
        try {
            promise.set_value(body());
        } catch (...) {
            promise.set_value(make_error(std::string(RECORD_THREAD_FAILED)));
        }
    });
    return encoder;
}
// Whether the thread has given its outcome (it is then about to end).
bool encoder_done(const EncoderThread& encoder);
// Waits for the thread and takes its outcome.
Result<std::string> join_encoder(EncoderThread& encoder);
