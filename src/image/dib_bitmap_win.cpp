#include "image/dib_bitmap_win.h"

#include <utility>

BITMAPINFO top_down_dib_info(int32_t width, int32_t height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::optional<DibBitmap> DibBitmap::create(int32_t width, int32_t height) {
    if (width < 1 || height < 1) return std::nullopt;
    // The byte count must fit the address space and GDI's own 32-bit size field.
    const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4u;
    if (bytes > 0xFFFFFFFFull) return std::nullopt;
    DibBitmap dib;
    dib.hdc_ = CreateCompatibleDC(nullptr);
    if (!dib.hdc_) return std::nullopt;
    BITMAPINFO info = top_down_dib_info(width, height);
    void* bits = nullptr;
    dib.hbitmap_ = CreateDIBSection(dib.hdc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib.hbitmap_ || !bits) return std::nullopt;  // the destructor deletes what was made
    HGDIOBJ old = SelectObject(dib.hdc_, dib.hbitmap_);
    if (!old || old == HGDI_ERROR) return std::nullopt;
    dib.old_object_ = old;
    dib.bits = static_cast<uint32_t*>(bits);
    dib.width = width;
    dib.height = height;
    return std::optional<DibBitmap>(std::move(dib));
}

DibBitmap::DibBitmap(DibBitmap&& o) noexcept
    : bits(std::exchange(o.bits, nullptr)),
      width(std::exchange(o.width, 0)),
      height(std::exchange(o.height, 0)),
      hdc_(std::exchange(o.hdc_, nullptr)),
      hbitmap_(std::exchange(o.hbitmap_, nullptr)),
      old_object_(std::exchange(o.old_object_, nullptr)) {}

DibBitmap& DibBitmap::operator=(DibBitmap&& o) noexcept {
    if (this != &o) {
        release();
        hdc_ = std::exchange(o.hdc_, nullptr);
        hbitmap_ = std::exchange(o.hbitmap_, nullptr);
        old_object_ = std::exchange(o.old_object_, nullptr);
        bits = std::exchange(o.bits, nullptr);
        width = std::exchange(o.width, 0);
        height = std::exchange(o.height, 0);
    }
    return *this;
}

DibBitmap::~DibBitmap() { release(); }

void DibBitmap::release() {
    if (hdc_ && old_object_) SelectObject(hdc_, old_object_);
    if (hbitmap_) DeleteObject(hbitmap_);
    if (hdc_) DeleteDC(hdc_);
    hdc_ = nullptr;
    hbitmap_ = nullptr;
    old_object_ = nullptr;
    bits = nullptr;
}
