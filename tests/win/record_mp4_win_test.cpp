// The MP4 adapter against a sink writer of the test's own, through Wine's real Media
// Foundation for everything else: the media types, the samples and the clean-up on failure.
#include <gtest/gtest.h>
#include <windows.h>

#include <mfapi.h>
#include <mferror.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "record/gif_writer.h"
#include "record/mp4_sink_win.h"
#include "record/record_params.h"

namespace {

struct SeenType {
    GUID major{}, subtype{};
    UINT32 bitrate = 0, interlace = 0, stride = 0;
    UINT32 width = 0, height = 0, rate_n = 0, rate_d = 0, aspect_n = 0, aspect_d = 0;
};

SeenType read_type(IMFMediaType* type) {
    SeenType t;
    type->GetGUID(MF_MT_MAJOR_TYPE, &t.major);
    type->GetGUID(MF_MT_SUBTYPE, &t.subtype);
    type->GetUINT32(MF_MT_AVG_BITRATE, &t.bitrate);
    type->GetUINT32(MF_MT_INTERLACE_MODE, &t.interlace);
    type->GetUINT32(MF_MT_DEFAULT_STRIDE, &t.stride);
    MFGetAttributeSize(type, MF_MT_FRAME_SIZE, &t.width, &t.height);
    MFGetAttributeRatio(type, MF_MT_FRAME_RATE, &t.rate_n, &t.rate_d);
    MFGetAttributeRatio(type, MF_MT_PIXEL_ASPECT_RATIO, &t.aspect_n, &t.aspect_d);
    return t;
}

struct SeenSample {
    LONGLONG time = 0, duration = 0;
    DWORD length = 0;
    std::vector<uint8_t> bytes;
};

// Records what the adapter hands it; the call named in fail_at returns fail_hr.
class FakeSinkWriter final : public IMFSinkWriter {
public:
    std::string fail_at;
    HRESULT fail_hr = MF_E_INVALIDMEDIATYPE;
    std::vector<std::string> calls;
    SeenType output, input;
    std::vector<SeenSample> samples;

    ULONG refs() const { return static_cast<ULONG>(refs_); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IMFSinkWriter)) {
            *out = static_cast<IMFSinkWriter*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&refs_)); }

    HRESULT STDMETHODCALLTYPE AddStream(IMFMediaType* type, DWORD* index) override {
        if (HRESULT hr = call("AddStream"); FAILED(hr)) return hr;
        output = read_type(type);
        *index = 3;  // the adapter must use the index it was given
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetInputMediaType(DWORD index, IMFMediaType* type, IMFAttributes* params) override {
        if (HRESULT hr = call("SetInputMediaType"); FAILED(hr)) return hr;
        EXPECT_EQ(index, 3u);
        EXPECT_EQ(params, nullptr);
        input = read_type(type);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BeginWriting() override { return call("BeginWriting"); }
    HRESULT STDMETHODCALLTYPE WriteSample(DWORD index, IMFSample* sample) override {
        if (HRESULT hr = call("WriteSample"); FAILED(hr)) return hr;
        EXPECT_EQ(index, 3u);
        SeenSample s;
        sample->GetSampleTime(&s.time);
        sample->GetSampleDuration(&s.duration);
        IMFMediaBuffer* buffer = nullptr;
        if (SUCCEEDED(sample->GetBufferByIndex(0, &buffer))) {
            BYTE* data = nullptr;
            DWORD max = 0;
            buffer->GetCurrentLength(&s.length);
            if (SUCCEEDED(buffer->Lock(&data, &max, nullptr))) {
                s.bytes.assign(data, data + s.length);
                buffer->Unlock();
            }
            buffer->Release();
        }
        samples.push_back(std::move(s));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SendStreamTick(DWORD, LONGLONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PlaceMarker(DWORD, void*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyEndOfSegment(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Flush(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Finalize() override { return call("Finalize"); }
    HRESULT STDMETHODCALLTYPE GetServiceForStream(DWORD, REFGUID, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStatistics(DWORD, MF_SINK_WRITER_STATISTICS*) override { return E_NOTIMPL; }

private:
    HRESULT call(const char* name) {
        calls.push_back(name);
        return fail_at == name ? fail_hr : S_OK;
    }
    LONG refs_ = 1;  // the test's own
};

FakeSinkWriter* FAKE = nullptr;
int STARTUPS = 0, SHUTDOWNS = 0;
UINT32 HARDWARE_TRANSFORMS = 0;
MfCalls LOADED;  // Media Foundation as the program loads it

HRESULT WINAPI counted_startup(ULONG version, DWORD flags) {
    ++STARTUPS;
    return LOADED.startup(version, flags);
}
HRESULT WINAPI counted_shutdown() {
    ++SHUTDOWNS;
    return LOADED.shutdown();
}
HRESULT WINAPI fake_writer(LPCWSTR, IMFByteStream* stream, IMFAttributes* attributes, IMFSinkWriter** writer) {
    EXPECT_EQ(stream, nullptr);
    attributes->GetUINT32(MF_READWRITE_ENABLE_HARDWARE_TRANSFORMS, &HARDWARE_TRANSFORMS);
    if (FAKE->fail_at == "create") return FAKE->fail_hr;
    FAKE->AddRef();
    *writer = FAKE;
    return S_OK;
}

RecordFrame frame(double time, uint32_t first, uint32_t w, uint32_t h) {
    std::vector<uint32_t> px(size_t{w} * h);
    for (size_t i = 0; i < px.size(); ++i) px[i] = first + static_cast<uint32_t>(i);
    return {std::move(px), time};
}

class Mp4SinkTest : public testing::Test {
protected:
    void SetUp() override {
        Result<MfLibrary> mf = MfLibrary::load();
        ASSERT_TRUE(mf) << mf.error().message;
        mf_.emplace(std::move(mf.value()));
        LOADED = mf_->calls();
        calls_ = LOADED;
        calls_.startup = counted_startup;
        calls_.shutdown = counted_shutdown;
        calls_.create_writer = fake_writer;
        FAKE = &fake_;
        STARTUPS = SHUTDOWNS = 0;
        HARDWARE_TRANSFORMS = 0;
    }
    void TearDown() override { FAKE = nullptr; }
    std::optional<MfLibrary> mf_;
    MfCalls calls_;
    FakeSinkWriter fake_;
};

}  // namespace

TEST_F(Mp4SinkTest, MediaTypesSamplesAndFinalize) {
    constexpr uint32_t W = 64, H = 32;
    {
        auto [tx, rx] = make_frame_channel();
        ASSERT_EQ(tx.offer(frame(0.0, 100, W, H)), OfferResult::Queued);
        ASSERT_EQ(tx.offer(frame(0.05, 200, W, H)), OfferResult::Queued);
        ASSERT_EQ(tx.offer(frame(0.05000001, 300, W, H)), OfferResult::Queued);  // same 100-ns time
        ASSERT_EQ(tx.offer(frame(0.1, 400, W, H)), OfferResult::Queued);
        tx.close();
        Mp4Sink sink("C:\\unused.mp4", calls_);
        ASSERT_TRUE(encode_video(rx, sink, W, H, 30));
    }
    EXPECT_EQ(HARDWARE_TRANSFORMS, 1u);
    const SeenType& out = fake_.output;
    EXPECT_TRUE(out.major == MFMediaType_Video);
    EXPECT_TRUE(out.subtype == MFVideoFormat_H264);
    EXPECT_EQ(out.bitrate, mp4_bitrate(W, H, 30));
    EXPECT_EQ(out.interlace, static_cast<UINT32>(MFVideoInterlace_Progressive));
    EXPECT_EQ(out.width, W);
    EXPECT_EQ(out.height, H);
    EXPECT_EQ(out.rate_n, 30u);
    EXPECT_EQ(out.rate_d, 1u);
    EXPECT_EQ(out.aspect_n, 1u);
    EXPECT_EQ(out.aspect_d, 1u);
    const SeenType& in = fake_.input;
    EXPECT_TRUE(in.major == MFMediaType_Video);
    EXPECT_TRUE(in.subtype == MFVideoFormat_RGB32);
    EXPECT_EQ(in.stride, W * 4);  // positive: top-down rows
    EXPECT_EQ(in.width, W);
    EXPECT_EQ(in.height, H);
    EXPECT_EQ(in.rate_n, 30u);
    EXPECT_EQ(in.interlace, static_cast<UINT32>(MFVideoInterlace_Progressive));

    ASSERT_EQ(fake_.samples.size(), 3u);
    const LONGLONG times[] = {0, 500'000, 1'000'000};
    const uint32_t firsts[] = {100, 200, 400};
    for (size_t i = 0; i < 3; ++i) {
        const SeenSample& s = fake_.samples[i];
        EXPECT_EQ(s.time, times[i]) << i;
        EXPECT_EQ(s.duration, 333'333) << i;
        ASSERT_EQ(s.length, W * 4 * H) << i;
        const RecordFrame expected = frame(0, firsts[i], W, H);
        EXPECT_EQ(std::memcmp(s.bytes.data(), expected.pixels.data(), s.length), 0) << i;
    }
    EXPECT_EQ(fake_.calls, (std::vector<std::string>{"AddStream", "SetInputMediaType", "BeginWriting", "WriteSample",
                                                     "WriteSample", "WriteSample", "Finalize"}));
    EXPECT_EQ(fake_.refs(), 1u);
    EXPECT_EQ(STARTUPS, 1);
    EXPECT_EQ(SHUTDOWNS, 1);
}

TEST_F(Mp4SinkTest, EachFailingCallIsNamedWithItsCodeAndEverythingIsReleased) {
    struct Case {
        const char* fail_at;
        HRESULT hr;
        const char* message_start;
    };
    const Case cases[] = {
        {"create", E_INVALIDARG, "MFCreateSinkWriterFromURL: "},
        {"AddStream", MF_E_INVALIDMEDIATYPE, "IMFSinkWriter::AddStream: "},
        {"SetInputMediaType", MF_E_TOPO_CODEC_NOT_FOUND, "IMFSinkWriter::SetInputMediaType: "},
        {"BeginWriting", MF_E_INVALIDREQUEST, "IMFSinkWriter::BeginWriting: "},
        {"WriteSample", E_OUTOFMEMORY, "IMFSinkWriter::WriteSample: "},
        {"Finalize", MF_E_SINK_NO_STREAMS, "IMFSinkWriter::Finalize: "},
    };
    for (const Case& c : cases) {
        fake_ = FakeSinkWriter{};
        fake_.fail_at = c.fail_at;
        fake_.fail_hr = c.hr;
        STARTUPS = SHUTDOWNS = 0;
        Status s;
        {
            auto [tx, rx] = make_frame_channel();
            ASSERT_EQ(tx.offer(frame(0.0, 1, 16, 16)), OfferResult::Queued);
            tx.close();
            Mp4Sink sink("C:\\unused.mp4", calls_);
            s = encode_video(rx, sink, 16, 16, 10);
        }
        ASSERT_FALSE(s) << c.fail_at;
        const std::string& m = s.error().message;
        EXPECT_EQ(m.rfind(c.message_start, 0), 0u) << m;
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(c.hr));
        EXPECT_NE(m.find(hex), std::string::npos) << m;
        EXPECT_EQ(s.error().code, static_cast<int64_t>(c.hr)) << c.fail_at;
        EXPECT_EQ(fake_.refs(), 1u) << c.fail_at;
        EXPECT_EQ(STARTUPS, 1) << c.fail_at;
        EXPECT_EQ(SHUTDOWNS, 1) << c.fail_at;
    }
}

TEST_F(Mp4SinkTest, AFrameOfAnotherSizeIsRefused) {
    Mp4Sink sink("C:\\unused.mp4", calls_);
    ASSERT_TRUE(sink.begin(16, 16, 10));
    const RecordFrame small = frame(0, 0, 8, 8);
    EXPECT_FALSE(sink.write(small.pixels, 0, 1));
    EXPECT_TRUE(fake_.samples.empty());
}

TEST_F(Mp4SinkTest, NoSampleIsARecordingWithoutAFrame) {
    // Stop before the first frame (1 fps), or every grab failed: nothing to finish.
    {
        auto [tx, rx] = make_frame_channel();
        tx.close();
        Mp4Sink sink("C:\\unused.mp4", calls_);
        const Status s = encode_video(rx, sink, 16, 16, 1);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().message, NO_FRAME_RECORDED);
    }
    EXPECT_EQ(fake_.calls, (std::vector<std::string>{"AddStream", "SetInputMediaType", "BeginWriting"}));
    EXPECT_EQ(fake_.refs(), 1u);
    EXPECT_EQ(SHUTDOWNS, STARTUPS);
    // The writer's own word for it.
    fake_ = FakeSinkWriter{};
    fake_.fail_at = "Finalize";
    fake_.fail_hr = MF_E_SINK_NO_SAMPLES_PROCESSED;
    Mp4Sink sink("C:\\unused.mp4", calls_);
    ASSERT_TRUE(sink.begin(16, 16, 1));
    const Status s = sink.finish();
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().message, NO_FRAME_RECORDED);
}
