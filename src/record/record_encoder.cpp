#include "record/record_encoder.h"

#include "record/record_params.h"

Status encode_video(FrameReceiver& frames, VideoSink& sink, uint32_t width, uint32_t height, uint32_t fps) {
    if (Status s = sink.begin(width, height, fps); !s) return s;
    const int64_t duration = sample_duration_100ns(fps);
    const size_t pixels = size_t{width} * height;
    SampleClock clock;
    bool any = false;
    while (std::optional<RecordFrame> frame = frames.receive()) {
        if (frame->pixels.size() != pixels) return make_error("recorded frame has the wrong size");
        const int64_t time = sample_time_100ns(frame->time);
        if (!clock.take(time)) continue;
        if (Status s = sink.write(frame->pixels, time, duration); !s) return s;
        any = true;
    }
    // A video without a sample cannot be finished (the sink writer refuses): no frame, no file.
    if (!any) return make_error(std::string(NO_FRAME_RECORDED));
    return sink.finish();
}

Status encode_gif(FrameReceiver& frames, GifEncoder& encoder) {
    if (Status s = encoder.begin(); !s) return s;
    while (std::optional<RecordFrame> frame = frames.receive()) {
        if (Status s = encoder.add(std::move(*frame)); !s) return s;
    }
    return encoder.finish();
}

Result<std::string> conclude_recording(const Status& encoded, const std::string& path, const RecordingShared& shared,
                                       const EncoderHooks& hooks) {
    if (shared.discard.load()) {
        if (hooks.delete_file) hooks.delete_file(path);
        return make_error(std::string(RECORD_CANCELLED));
    }
    // A file cut short by a failure is no recording, whatever a viewer makes of it: it goes too.
    if (!encoded && hooks.delete_file) hooks.delete_file(path);
    Result<std::string> outcome = encoded ? Result<std::string>(path) : Result<std::string>(encoded.error());
    if (hooks.post) hooks.post(outcome);
    return outcome;
}

bool encoder_done(const EncoderThread& encoder) {
    return !encoder.outcome.valid() || encoder.outcome.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

Result<std::string> join_encoder(EncoderThread& encoder) {
    if (encoder.thread.joinable()) encoder.thread.join();
    if (!encoder.outcome.valid()) return make_error(std::string(RECORD_THREAD_FAILED));
    return encoder.outcome.get();
}
