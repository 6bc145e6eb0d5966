#include "record/wic_quantizer_win.h"

#include <algorithm>

#include "win/error.h"

Result<WicQuantizer> WicQuantizer::create() {
    ComPtr<IWICImagingFactory> factory;
    const HRESULT hr =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    if (FAILED(hr)) return error_naming_hresult(hr, "CoCreateInstance(WICImagingFactory)");
    return WicQuantizer(std::move(factory));
}

Result<QuantizedImage> WicQuantizer::quantize(std::span<const uint32_t> pixels, uint32_t width, uint32_t height) {
    const uint64_t count = uint64_t{width} * height;
    if (count == 0 || count != pixels.size() || uint64_t{width} * 4 * height > UINT32_MAX) {
        return make_error("GIF frame size out of range");
    }
    // WIC reads the buffer only; its signature asks for a writable one.
    BYTE* bytes = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels.data()));
    ComPtr<IWICBitmap> bitmap;
    HRESULT hr = factory_->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGR, width * 4,
                                                  static_cast<UINT>(count * 4), bytes, &bitmap);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICImagingFactory::CreateBitmapFromMemory");
    ComPtr<IWICPalette> palette;
    hr = factory_->CreatePalette(&palette);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICImagingFactory::CreatePalette");
    hr = palette->InitializeFromBitmap(bitmap.Get(), 256, FALSE);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICPalette::InitializeFromBitmap");
    ComPtr<IWICFormatConverter> converter;
    hr = factory_->CreateFormatConverter(&converter);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICImagingFactory::CreateFormatConverter");
    hr = converter->Initialize(bitmap.Get(), GUID_WICPixelFormat8bppIndexed, WICBitmapDitherTypeNone, palette.Get(),
                               0.0, WICBitmapPaletteTypeCustom);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICFormatConverter::Initialize");

    QuantizedImage out;
    out.indices.resize(static_cast<size_t>(count));
    hr = converter->CopyPixels(nullptr, width, static_cast<UINT>(count), out.indices.data());
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICFormatConverter::CopyPixels");
    UINT reported = 0;
    hr = palette->GetColorCount(&reported);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICPalette::GetColorCount");
    WICColor colours[256] = {};
    UINT given = 0;
    hr = palette->GetColors(256, colours, &given);
    if (FAILED(hr)) return error_naming_hresult(hr, "IWICPalette::GetColors");
    const UINT n = std::min<UINT>({reported, given, 256});
    out.colours.assign(colours, colours + n);
    return out;
}
