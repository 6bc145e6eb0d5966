#include "pin/clip_image_win.h"

#include <string>

#include "pin/clip_text.h"
#include "util/text.h"
#include "win/draw.h"
#include "win/handles.h"

namespace {

void fill(HDC dc, const Rect& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    const RECT rect{r.l, r.t, r.r, r.b};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

constexpr UINT TEXT_FLAGS = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

}  // namespace

std::optional<DibBitmap> swatch_image(Rgb color, float f) {
    const std::optional<SwatchLayout> l = swatch_layout(f);
    if (!l) return std::nullopt;
    std::optional<DibBitmap> image = DibBitmap::create(l->width, l->height);
    if (!image) return std::nullopt;
    const HDC dc = image->hdc();
    fill(dc, {0, 0, l->width, l->height}, 0xFFFFFF);
    fill(dc, {0, 0, l->width, l->band}, to_colorref(color));
    draw_text(dc, ui_font(l->hex_font, true), hex_line(color), to_rect(l->hex_rect), SWATCH_HEX_COLOR, DT_LEFT);
    draw_text(dc, ui_font(l->rgb_font, false), rgb_line(color), to_rect(l->rgb_rect), SWATCH_RGB_COLOR, DT_LEFT);
    GdiFlush();
    return image;
}

std::optional<DibBitmap> text_image(std::string_view text, float f) {
    const TextImageLayout l = text_image_layout(f);
    const HFONT font = ui_font(l.font, false);
    const std::wstring wide = to_wide(text);
    const int length = static_cast<int>(wide.size());

    MemoryDc measure(CreateCompatibleDC(nullptr));
    if (!measure) return std::nullopt;
    RECT measured{0, 0, l.wrap_width, 0};
    {
        const SelectGuard selected(measure.get(), font);
        if (!DrawTextW(measure.get(), wide.c_str(), length, &measured, DT_CALCRECT | TEXT_FLAGS))
            return std::nullopt;
    }
    const std::optional<TextImageSize> size =
        text_image_size(l, measured.right - measured.left, measured.bottom - measured.top);
    if (!size) return std::nullopt;
    std::optional<DibBitmap> image = DibBitmap::create(size->width, size->height);
    if (!image) return std::nullopt;
    const HDC dc = image->hdc();
    fill(dc, {0, 0, size->width, size->height}, TEXT_IMAGE_BACKGROUND);
    const SelectGuard selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TEXT_IMAGE_COLOR);
    RECT area = to_rect(size->text);
    DrawTextW(dc, wide.c_str(), length, &area, TEXT_FLAGS);
    GdiFlush();
    return image;
}
