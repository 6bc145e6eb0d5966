#pragma once
// Exclusive use of a MosaicCache for the length of one render_annotations call.
#include <optional>

#include "annot/render_win.h"
#include "gdip/gdip_win.h"

class MosaicCacheUse {
public:
    explicit MosaicCacheUse(MosaicCache& cache);
    MosaicCacheUse(const MosaicCacheUse&) = delete;
    MosaicCacheUse& operator=(const MosaicCacheUse&) = delete;
    ~MosaicCacheUse();

    // False when an outer call holds the cache.
    bool taken() const { return taken_; }
    const Rect& area() const { return cache_.area(); }
    // A tiling brush over the slot's copy, lined up with the source; the copy is made first
    // when the slot is empty. None when it cannot be made (the slot stays empty).
    std::optional<GdipBrush> texture(const DibBitmap& source, bool blur);

private:
    MosaicCache& cache_;
    bool taken_ = false;
};
