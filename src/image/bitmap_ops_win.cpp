#include "image/bitmap_ops_win.h"

#include <climits>
#include <cstdlib>

#include "image/pixels.h"
#include "win/handles.h"

std::optional<uint32_t> bitmap_pixel(const DibBitmap& bitmap, int32_t x, int32_t y) {
    if (!bitmap.bits || x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return std::nullopt;
    GdiFlush();
    return pixel_at(bitmap.pixels(), bitmap.width, bitmap.height, x, y);
}

std::optional<DibBitmap> crop_bitmap(const DibBitmap& source, const Rect& rect) {
    if (!source.hdc()) return std::nullopt;
    const std::optional<Rect> area = clamp_crop_rect(rect, source.width, source.height);
    if (!area) return std::nullopt;
    std::optional<DibBitmap> out = DibBitmap::create(area->width(), area->height());
    if (!out) return std::nullopt;
    if (!BitBlt(out->hdc(), 0, 0, area->width(), area->height(), source.hdc(), area->l, area->t, SRCCOPY)) {
        return std::nullopt;
    }
    return out;
}

std::optional<DibBitmap> bitmap_from_hbitmap(HBITMAP hbitmap) {
    if (!hbitmap) return std::nullopt;
    BITMAP info{};
    if (GetObjectW(hbitmap, sizeof(info), &info) != sizeof(info)) return std::nullopt;
    if (info.bmHeight == INT_MIN) return std::nullopt;
    const int32_t width = info.bmWidth;
    const int32_t lines = std::abs(info.bmHeight);
    if (width < 1 || lines < 1) return std::nullopt;
    std::optional<DibBitmap> out = DibBitmap::create(width, lines);
    if (!out) return std::nullopt;
    // GetDIBits may rewrite the header it is given.
    BITMAPINFO header = top_down_dib_info(width, lines);
    int copied = 0;
    {
        WindowDc screen(nullptr);
        if (!screen) return std::nullopt;
        GdiFlush();
        copied = GetDIBits(screen.get(), hbitmap, 0, static_cast<UINT>(lines), out->bits, &header, DIB_RGB_COLORS);
    }
    // A partial copy would leave black rows in the picture.
    if (copied != lines) return std::nullopt;
    GdiFlush();
    clear_fourth_byte(out->pixels());
    return out;
}

std::optional<DibBitmap> rotate_bitmap(const DibBitmap& source, bool clockwise) {
    if (!source.bits || source.width < 1 || source.height < 1) return std::nullopt;
    std::optional<DibBitmap> out = DibBitmap::create(source.height, source.width);
    if (!out) return std::nullopt;
    GdiFlush();
    rotate_pixels(source.pixels(), source.width, source.height, clockwise, out->pixels());
    return out;
}
