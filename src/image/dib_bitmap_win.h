#pragma once
// A 32-bpp top-down DIB section selected into its own memory DC. One 32-bit value per pixel:
// blue, green, red, then a byte without colour. Move-only; releases the old object back, then
// the bitmap, then the DC. Call GdiFlush before reading bits after GDI drawing.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class DibBitmap {
public:
    // None when a size is not positive, the pixel count does not fit memory, or GDI fails.
    static std::optional<DibBitmap> create(int32_t width, int32_t height);

    DibBitmap(DibBitmap&& o) noexcept;
    DibBitmap& operator=(DibBitmap&& o) noexcept;
    DibBitmap(const DibBitmap&) = delete;
    DibBitmap& operator=(const DibBitmap&) = delete;
    ~DibBitmap();

    // The memory DC with the bitmap selected, and the bitmap: owned here, never to be deleted
    // or selected out by a caller.
    HDC hdc() const { return hdc_; }
    HBITMAP hbitmap() const { return hbitmap_; }

    uint32_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;

    size_t pixel_count() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
    std::span<uint32_t> pixels() { return {bits, pixel_count()}; }
    std::span<const uint32_t> pixels() const { return {bits, pixel_count()}; }

private:
    DibBitmap() = default;
    void release();

    HDC hdc_ = nullptr;
    HBITMAP hbitmap_ = nullptr;
    HGDIOBJ old_object_ = nullptr;
};

// The BITMAPINFO of a top-down 32-bpp DIB of that size.
BITMAPINFO top_down_dib_info(int32_t width, int32_t height);
