#include "record/mp4_sink_win.h"

#include <mferror.h>

#include <cstring>

#include "record/gif_writer.h"
#include "record/record_params.h"
#include "util/text.h"
#include "win/error.h"

namespace {

// The settings both media types share: video, progressive, size, rate, square pixels.
HRESULT set_video_type(IMFMediaType* type, const GUID& subtype, uint32_t width, uint32_t height, uint32_t fps) {
    HRESULT hr = type->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Video);
    if (SUCCEEDED(hr)) hr = type->SetGUID(MF_MT_SUBTYPE, subtype);
    if (SUCCEEDED(hr)) hr = type->SetUINT32(MF_MT_INTERLACE_MODE, MFVideoInterlace_Progressive);
    if (SUCCEEDED(hr)) hr = MFSetAttributeSize(type, MF_MT_FRAME_SIZE, width, height);
    if (SUCCEEDED(hr)) hr = MFSetAttributeRatio(type, MF_MT_FRAME_RATE, fps, 1);
    if (SUCCEEDED(hr)) hr = MFSetAttributeRatio(type, MF_MT_PIXEL_ASPECT_RATIO, 1, 1);
    return hr;
}

}  // namespace

Mp4Sink::Mp4Sink(std::string path, const MfCalls& calls) : path_(to_wide(path)), calls_(calls) {}

Mp4Sink::~Mp4Sink() { release(); }

void Mp4Sink::release() {
    writer_.Reset();
    if (started_) {
        calls_.shutdown();
        started_ = false;
    }
}

Status Mp4Sink::begin(uint32_t width, uint32_t height, uint32_t fps) {
    const uint64_t bytes = uint64_t{width} * 4 * height;
    if (bytes == 0 || bytes > MAXDWORD) return make_error("The recorded area is too large for one video frame");
    frame_bytes_ = static_cast<DWORD>(bytes);

    HRESULT hr = calls_.startup(MF_VERSION, MFSTARTUP_FULL);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFStartup");
    started_ = true;

    ComPtr<IMFAttributes> attributes;
    hr = calls_.create_attributes(&attributes, 1);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateAttributes");
    hr = attributes->SetUINT32(MF_READWRITE_ENABLE_HARDWARE_TRANSFORMS, 1);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFAttributes::SetUINT32");
    hr = calls_.create_writer(path_.c_str(), nullptr, attributes.Get(), &writer_);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateSinkWriterFromURL");
    if (!writer_) return error_naming_hresult(E_POINTER, "MFCreateSinkWriterFromURL");

    ComPtr<IMFMediaType> output;
    hr = calls_.create_media_type(&output);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateMediaType");
    hr = set_video_type(output.Get(), MFVideoFormat_H264, width, height, fps);
    if (SUCCEEDED(hr)) hr = output->SetUINT32(MF_MT_AVG_BITRATE, mp4_bitrate(width, height, fps));
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFMediaType::SetUINT32");
    hr = writer_->AddStream(output.Get(), &stream_);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSinkWriter::AddStream");

    ComPtr<IMFMediaType> input;
    hr = calls_.create_media_type(&input);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateMediaType");
    hr = set_video_type(input.Get(), MFVideoFormat_RGB32, width, height, fps);
    // A positive stride: rows top-down, else the video comes out upside down.
    if (SUCCEEDED(hr)) hr = input->SetUINT32(MF_MT_DEFAULT_STRIDE, width * 4);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFMediaType::SetUINT32");
    hr = writer_->SetInputMediaType(stream_, input.Get(), nullptr);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSinkWriter::SetInputMediaType");

    hr = writer_->BeginWriting();
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSinkWriter::BeginWriting");
    return {};
}

Status Mp4Sink::write(std::span<const uint32_t> pixels, int64_t time, int64_t duration) {
    if (!writer_) return error_naming_hresult(E_UNEXPECTED, "IMFSinkWriter::WriteSample");
    if (pixels.size_bytes() != frame_bytes_) return make_error("recorded frame has the wrong size");

    ComPtr<IMFMediaBuffer> buffer;
    HRESULT hr = calls_.create_memory_buffer(frame_bytes_, &buffer);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateMemoryBuffer");
    BYTE* data = nullptr;
    hr = buffer->Lock(&data, nullptr, nullptr);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFMediaBuffer::Lock");
    std::memcpy(data, pixels.data(), frame_bytes_);
    hr = buffer->Unlock();
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFMediaBuffer::Unlock");
    hr = buffer->SetCurrentLength(frame_bytes_);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFMediaBuffer::SetCurrentLength");

    ComPtr<IMFSample> sample;
    hr = calls_.create_sample(&sample);
    if (FAILED(hr)) return error_naming_hresult(hr, "MFCreateSample");
    hr = sample->AddBuffer(buffer.Get());
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSample::AddBuffer");
    hr = sample->SetSampleTime(time);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSample::SetSampleTime");
    hr = sample->SetSampleDuration(duration);
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSample::SetSampleDuration");
    hr = writer_->WriteSample(stream_, sample.Get());
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSinkWriter::WriteSample");
    return {};
}

Status Mp4Sink::finish() {
    if (!writer_) return error_naming_hresult(E_UNEXPECTED, "IMFSinkWriter::Finalize");
    const HRESULT hr = writer_->Finalize();
    release();
    // The writer refuses to finish a file without a sample: that is a recording without a frame.
    if (hr == MF_E_SINK_NO_SAMPLES_PROCESSED) return make_error(std::string(NO_FRAME_RECORDED));
    if (FAILED(hr)) return error_naming_hresult(hr, "IMFSinkWriter::Finalize");
    return {};
}
