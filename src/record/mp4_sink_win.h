#pragma once
// The MP4 writer of a recording: H.264 through the Media Foundation sink writer, fed RGB32
// frames top-down. Runs on the encoder thread, which has COM initialised.
#include <windows.h>

#include <cstdint>
#include <string>

#include "record/mf_library_win.h"
#include "record/record_encoder.h"
#include "win/handles.h"

// Every failure names the call and carries its HRESULT in hex. Whatever happened, the objects
// are released and MFShutdown runs when the sink goes (or at finish).
class Mp4Sink final : public VideoSink {
public:
    // `calls` come from a loaded MfLibrary, which outlives the sink.
    Mp4Sink(std::string path, const MfCalls& calls);
    ~Mp4Sink() override;
    Mp4Sink(const Mp4Sink&) = delete;
    Mp4Sink& operator=(const Mp4Sink&) = delete;

    Status begin(uint32_t width, uint32_t height, uint32_t fps) override;
    Status write(std::span<const uint32_t> pixels, int64_t time, int64_t duration) override;
    Status finish() override;

private:
    void release();

    std::wstring path_;
    MfCalls calls_;
    bool started_ = false;
    ComPtr<IMFSinkWriter> writer_;
    DWORD stream_ = 0;
    DWORD frame_bytes_ = 0;
};
