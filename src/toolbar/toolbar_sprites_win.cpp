#include "toolbar/toolbar_sprites_win.h"

#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "toolbar/toolbar_draw_win.h"
#include "util/ui_cell.h"

namespace gp = Gdiplus::DllExports;

namespace {

// kind (0 a glyph, else 1 + the mark kind), item, mode, colour, size, pen, centre x, centre y.
using SpriteKey = std::tuple<uint8_t, uint8_t, bool, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t>;

// Custom colours make new keys without end: the cache starts over past this many sprites.
constexpr size_t MAX_SPRITES = 128;

UiCell<std::map<SpriteKey, std::optional<DibBitmap>>> SPRITES;

template <class Draw>
std::optional<DibBitmap> render_sprite(int32_t width, int32_t height, Draw draw) {
    std::optional<DibBitmap> dib = DibBitmap::create(width, height);
    if (!dib) return std::nullopt;
    ensure_gdiplus_started();
    Gdiplus::GpBitmap* raw_bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(dib->bits),
                                      &raw_bitmap) != Gdiplus::Ok)
        return std::nullopt;
    const GdipImage bitmap(raw_bitmap);
    Gdiplus::GpGraphics* raw_graphics = nullptr;
    if (gp::GdipGetImageGraphicsContext(raw_bitmap, &raw_graphics) != Gdiplus::Ok) return std::nullopt;
    const GdipGraphics graphics(raw_graphics);
    gp::GdipSetSmoothingMode(raw_graphics, Gdiplus::SmoothingModeAntiAlias);
    gp::GdipSetPixelOffsetMode(raw_graphics, Gdiplus::PixelOffsetModeHalf);
    draw(raw_graphics);
    return dib;
}

template <class Make>
const DibBitmap* sprite(const SpriteKey& key, Make make) {
    auto cache = SPRITES.borrow();
    auto it = cache->find(key);
    if (it == cache->end()) {
        if (cache->size() >= MAX_SPRITES) cache->clear();
        it = cache->emplace(key, make()).first;
    }
    return it->second ? &*it->second : nullptr;
}

bool blend(HDC dc, int32_t x, int32_t y, const DibBitmap* s) {
    if (!s) return false;
    const BLENDFUNCTION premultiplied{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(dc, x, y, s->width, s->height, s->hdc(), 0, 0, s->width, s->height, premultiplied) != FALSE;
}

}  // namespace

bool blend_glyph(HDC dc, ToolbarItem item, bool pin_edit, const Rect& button, uint32_t rgb) {
    const int32_t w = button.width(), h = button.height();
    if (w <= 0 || h <= 0) return true;
    const SpriteKey key{0, static_cast<uint8_t>(item), pin_edit, rgb, static_cast<uint32_t>(w), static_cast<uint32_t>(h), 0, 0};
    const DibBitmap* s = sprite(key, [&] {
        return render_sprite(w, h, [&](Gdiplus::GpGraphics* g) { draw_glyph(g, item, pin_edit, Rect{0, 0, w, h}, rgb); });
    });
    return blend(dc, button.l, button.t, s);
}

bool blend_mark(HDC dc, const CellMark& m) {
    if (!(m.diameter > 0) || !(m.diameter < 4096)) return true;
    // The sprite's top-left on whole pixels; the centre keeps its fraction inside the sprite.
    const float reach = m.diameter / 2.0f + m.pen + 1.0f;
    const float left = std::floor(m.cx - reach), top = std::floor(m.cy - reach);
    const auto side = static_cast<int32_t>(std::ceil(2.0f * reach)) + 1;
    const float cx = m.cx - left, cy = m.cy - top;
    const SpriteKey key{static_cast<uint8_t>(1 + static_cast<uint8_t>(m.kind)), 0, false, m.argb,
                        std::bit_cast<uint32_t>(m.diameter), std::bit_cast<uint32_t>(m.pen),
                        std::bit_cast<uint32_t>(cx), std::bit_cast<uint32_t>(cy)};
    const DibBitmap* s = sprite(key, [&] {
        return render_sprite(side, side, [&](Gdiplus::GpGraphics* g) { draw_cell_mark(g, m, cx, cy); });
    });
    return blend(dc, static_cast<int32_t>(left), static_cast<int32_t>(top), s);
}
