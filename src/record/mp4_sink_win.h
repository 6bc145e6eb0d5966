#pragma once
// The MP4 writer of a recording: H.264 through the Media Foundation sink writer, fed RGB32
// frames top-down. Runs on the encoder thread, which has COM initialised.
#include <windows.h>

#include <mfidl.h>
#include <mfreadwrite.h>

#include <cstdint>
#include <string>

#include "record/record_encoder.h"
#include "win/handles.h"

// The Media Foundation calls that tests stand in for: start-up and shut-down (to count them)
// and the writer's creation (to hand over a sink writer of their own).
struct MfCalls {
    HRESULT (*startup)() = nullptr;
    HRESULT (*shutdown)() = nullptr;
    HRESULT (*create_writer)(const wchar_t* url, IMFAttributes* attributes, IMFSinkWriter** writer) = nullptr;
};
// MFStartup(MF_VERSION, MFSTARTUP_FULL), MFShutdown and MFCreateSinkWriterFromURL.
MfCalls mf_system_calls();

// Every failure names the call and carries its HRESULT in hex. Whatever happened, the objects
// are released and MFShutdown runs when the sink goes (or at finish).
class Mp4Sink final : public VideoSink {
public:
    explicit Mp4Sink(std::string path, MfCalls calls = mf_system_calls());
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
