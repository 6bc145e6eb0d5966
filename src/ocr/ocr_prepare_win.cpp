#include "ocr/ocr_prepare_win.h"

#include "ocr/ocr_geometry.h"

std::optional<PreparedOcrImage> prepare_ocr_image(const DibBitmap& source) {
    const int32_t w = source.width, h = source.height;
    const OcrCanvas canvas = ocr_canvas_for(w, h);
    if (!canvas.usable()) return std::nullopt;
    const int32_t cw = static_cast<int32_t>(canvas.width), ch = static_cast<int32_t>(canvas.height);
    std::optional<DibBitmap> target = DibBitmap::create(cw, ch);
    if (!target) return std::nullopt;

    GdiFlush();
    const uint32_t fill = (w >= 1 && h >= 1 && source.bits) ? source.bits[0] & 0x00FFFFFFu : 0;
    std::span<uint32_t> out = target->pixels();
    std::fill(out.begin(), out.end(), fill);
    SetStretchBltMode(target->hdc(), HALFTONE);
    SetBrushOrgEx(target->hdc(), 0, 0, nullptr);
    const int32_t k = canvas.scale;
    StretchBlt(target->hdc(), OCR_MARGIN, OCR_MARGIN, k * w, k * h, source.hdc(), 0, 0, w, h, SRCCOPY);
    GdiFlush();

    PreparedOcrImage prepared;
    prepared.scale = k;
    prepared.image.width = cw;
    prepared.image.height = ch;
    prepared.image.pixels.assign(out.begin(), out.end());
    for (uint32_t& p : prepared.image.pixels) p |= 0xFF000000u;
    return prepared;
}
