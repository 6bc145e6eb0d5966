#pragma once
// Media Foundation, loaded when an MP4 recording starts rather than imported: Windows N and KN
// editions lack it until the Media Feature Pack is added, and the program must still start
// there (everything but MP4 works without it).
#include <windows.h>

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>

#include "util/result.h"
#include "win/handles.h"

// The Media Foundation functions the MP4 writer calls. Tests replace some with their own.
struct MfCalls {
    decltype(&MFStartup) startup = nullptr;
    decltype(&MFShutdown) shutdown = nullptr;
    decltype(&MFCreateAttributes) create_attributes = nullptr;
    decltype(&MFCreateMediaType) create_media_type = nullptr;
    decltype(&MFCreateMemoryBuffer) create_memory_buffer = nullptr;
    decltype(&MFCreateSample) create_sample = nullptr;
    decltype(&MFCreateSinkWriterFromURL) create_writer = nullptr;
};

// MFPlat.DLL and MFReadWrite.dll from the system folder; the functions stay valid while this
// lives.
class MfLibrary {
public:
    // Fails with the RECORD_NEEDS_MEDIA_FOUNDATION text when a library or function is missing.
    static Result<MfLibrary> load();
    const MfCalls& calls() const { return calls_; }

private:
    MfLibrary() = default;
    Module plat_, readwrite_;
    MfCalls calls_;
};
