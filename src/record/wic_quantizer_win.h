#pragma once
// Colour reduction of GIF frames through the Windows Imaging Component: a palette of at most
// 256 colours made from the frame, then 8-bit indices without dithering. Encoder thread only;
// COM must be initialised on it.
#include <windows.h>

#include <wincodec.h>

#include "record/gif_writer.h"
#include "win/handles.h"

class WicQuantizer final : public Quantizer {
public:
    // Creates the imaging factory; a failure names the call and its HRESULT.
    static Result<WicQuantizer> create();
    Result<QuantizedImage> quantize(std::span<const uint32_t> pixels, uint32_t width, uint32_t height) override;

private:
    explicit WicQuantizer(ComPtr<IWICImagingFactory> factory) : factory_(std::move(factory)) {}
    ComPtr<IWICImagingFactory> factory_;
};
