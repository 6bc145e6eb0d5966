#include "annot/mosaic_cache_win.h"

#include <vector>

#include "annot/pixel_filters.h"
#include "image/bitmap_ops_win.h"

namespace gp = Gdiplus::DllExports;

MosaicCacheUse::MosaicCacheUse(MosaicCache& cache) : cache_(cache) {
    if (cache_.in_use_) return;
    cache_.in_use_ = true;
    taken_ = true;
}

MosaicCacheUse::~MosaicCacheUse() {
    if (taken_) cache_.in_use_ = false;
}

std::optional<GdipBrush> MosaicCacheUse::texture(const DibBitmap& source, bool blur) {
    if (!taken_) return std::nullopt;
    MosaicCache::Slot& slot = cache_.slots_[blur ? 1 : 0];
    if (!slot.image) {
        // Only the part of the area that lies on the source can be processed.
        const Rect area = intersect(cache_.area_, Rect{0, 0, source.width, source.height});
        if (area.empty()) return std::nullopt;
        std::optional<DibBitmap> crop = crop_bitmap(source, area);
        if (!crop) return std::nullopt;
        GdiFlush();
        if (blur) {
            std::vector<uint32_t> scratch;
            if (!blur_pixels(crop->pixels(), crop->width, crop->height, scratch)) return std::nullopt;
        } else {
            mosaic_pixels(crop->pixels(), crop->width, crop->height, area.l - cache_.area_.l, area.t - cache_.area_.t);
        }
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (gp::GdipCreateBitmapFromScan0(crop->width, crop->height, crop->width * 4, PixelFormat32bppRGB,
                                          reinterpret_cast<BYTE*>(crop->bits), &bitmap) != Gdiplus::Ok ||
            !bitmap) {
            return std::nullopt;
        }
        slot.pixels = std::move(crop);
        slot.image.reset(bitmap);
        slot.x = area.l;
        slot.y = area.t;
    }
    Gdiplus::GpTexture* texture = nullptr;
    if (gp::GdipCreateTexture(slot.image.get(), Gdiplus::WrapModeTile, &texture) != Gdiplus::Ok || !texture) {
        return std::nullopt;
    }
    GdipBrush brush(texture);
    gp::GdipTranslateTextureTransform(texture, static_cast<float>(slot.x), static_cast<float>(slot.y),
                                      Gdiplus::MatrixOrderPrepend);
    return brush;
}

void sync_mosaic_cache(std::optional<MosaicCache>& cache, const std::optional<Rect>& selection) {
    if (!selection) {
        cache.reset();
        return;
    }
    if (!cache || cache->area() != *selection) cache.emplace(*selection);
}
