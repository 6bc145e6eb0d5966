#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/record_encoder.h"

namespace {

struct Written {
    int64_t time, duration;
    uint32_t first_pixel;
    friend bool operator==(const Written&, const Written&) = default;
};

// Records what reaches it; fails at the named step when asked to.
class FakeSink : public VideoSink {
public:
    std::string fail_at;  // "begin", "write2" (the second write), "finish"
    std::vector<std::string> calls;
    std::vector<Written> written;

    Status begin(uint32_t w, uint32_t h, uint32_t fps) override {
        calls.push_back("begin " + std::to_string(w) + "x" + std::to_string(h) + "@" + std::to_string(fps));
        return fail_at == "begin" ? Status(make_error("begin failed")) : Status();
    }
    Status write(std::span<const uint32_t> px, int64_t t, int64_t d) override {
        calls.push_back("write");
        if (fail_at == "write" + std::to_string(written.size() + 1)) return make_error("write failed");
        written.push_back({t, d, px[0]});
        return {};
    }
    Status finish() override {
        calls.push_back("finish");
        return fail_at == "finish" ? Status(make_error("finish failed")) : Status();
    }
};

RecordFrame frame(double t, uint32_t v, size_t n = 4) { return {std::vector<uint32_t>(n, v), t}; }

// The frames queued, then the sender gone, as stop_recording leaves the channel.
FrameReceiver closed_channel(std::vector<RecordFrame> frames) {
    auto [tx, rx] = make_frame_channel(frames.size() + 1);
    for (RecordFrame& f : frames) EXPECT_EQ(tx.offer(std::move(f)), OfferResult::Queued);
    return std::move(rx);
}

}  // namespace

TEST(RecordEncoder, VideoDrainsSkipsRepeatedTimesAndFinishes) {
    FrameReceiver rx = closed_channel({frame(0.0, 1), frame(0.1, 2), frame(0.10000001, 3), frame(0.2, 4)});
    FakeSink sink;
    ASSERT_TRUE(encode_video(rx, sink, 2, 2, 30));
    EXPECT_EQ(sink.written, (std::vector<Written>{{0, 333'333, 1}, {1'000'000, 333'333, 2}, {2'000'000, 333'333, 4}}));
    EXPECT_EQ(sink.calls.front(), "begin 2x2@30");
    EXPECT_EQ(sink.calls.back(), "finish");
}

TEST(RecordEncoder, VideoStopsAtTheFirstFailure) {
    struct Case {
        const char* fail_at;
        const char* error;
        size_t calls;
    };
    const Case cases[] = {{"begin", "begin failed", 1}, {"write2", "write failed", 3}, {"finish", "finish failed", 5}};
    for (const Case& c : cases) {
        FrameReceiver rx = closed_channel({frame(0.0, 1), frame(0.1, 2), frame(0.2, 3)});
        FakeSink sink;
        sink.fail_at = c.fail_at;
        const Status s = encode_video(rx, sink, 2, 2, 10);
        ASSERT_FALSE(s) << c.fail_at;
        EXPECT_EQ(s.error().message, c.error);
        EXPECT_EQ(sink.calls.size(), c.calls) << c.fail_at;
    }
    // No frame: the sink is begun but not finished (a video without a sample cannot be).
    FrameReceiver none = closed_channel({});
    FakeSink empty;
    const Status s = encode_video(none, empty, 2, 2, 1);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().message, NO_FRAME_RECORDED);
    EXPECT_EQ(empty.calls, std::vector<std::string>{"begin 2x2@1"});
    // A frame of another size is refused rather than read past its end.
    FrameReceiver rx = closed_channel({frame(0.0, 1, 3)});
    FakeSink sink;
    EXPECT_FALSE(encode_video(rx, sink, 2, 2, 10));
    EXPECT_TRUE(sink.written.empty());
}

TEST(RecordEncoder, ConcludeCancelDeletesAndPostsNothing) {
    struct Case {
        const char* name;
        bool discard;
        bool encoded;
        std::vector<std::string> deleted;
        std::vector<std::string> posted;
        std::string outcome;
    };
    const Case cases[] = {
        {"stop keeps and posts the path", false, true, {}, {"ok C:\\a.gif"}, "ok C:\\a.gif"},
        {"failure deletes the cut-short file, posts the error", false, false, {"C:\\a.gif"}, {"err disk full"},
         "err disk full"},
        {"cancel deletes, posts nothing", true, true, {"C:\\a.gif"}, {}, "err cancelled"},
        {"cancel after a failure also deletes", true, false, {"C:\\a.gif"}, {}, "err cancelled"},
    };
    for (const Case& c : cases) {
        RecordingShared shared;
        shared.discard = c.discard;
        std::vector<std::string> deleted, posted;
        const auto text = [](const Result<std::string>& r) {
            return r ? "ok " + r.value() : "err " + r.error().message;
        };
        EncoderHooks hooks{[&](const std::string& p) { deleted.push_back(p); },
                           [&](const Result<std::string>& r) { posted.push_back(text(r)); }};
        const Status encoded = c.encoded ? Status() : Status(make_error("disk full"));
        const Result<std::string> outcome = conclude_recording(encoded, "C:\\a.gif", shared, hooks);
        EXPECT_EQ(deleted, c.deleted) << c.name;
        EXPECT_EQ(posted, c.posted) << c.name;
        EXPECT_EQ(text(outcome), c.outcome) << c.name;
    }
}

TEST(RecordEncoder, ThreadOutcomeAndAbnormalEnd) {
    EncoderThread ok = start_encoder_thread([] { return Result<std::string>(std::string("out.gif")); });
    const Result<std::string> a = join_encoder(ok);
    ASSERT_TRUE(a);
    EXPECT_EQ(a.value(), "out.gif");

    EncoderThread thrown = start_encoder_thread([]() -> Result<std::string> { throw std::bad_alloc(); });
    const Result<std::string> b = join_encoder(thrown);
    ASSERT_FALSE(b);
    EXPECT_EQ(b.error().message, RECORD_THREAD_FAILED);

    EncoderThread none;
    EXPECT_FALSE(join_encoder(none));
}
