#include "capture/spare_images_win.h"

#include <utility>

#include "util/ui_cell.h"
#include "win/messages.h"

namespace {

UiCell<std::optional<SpareImages>> SPARE_IMAGES;

bool same_size(const DibBitmap& a, const DibBitmap& b) { return a.width == b.width && a.height == b.height; }

}  // namespace

void keep_spare_images(HWND overlay, OverlayImages& images) {
    if (!images.frozen || !images.dimmed || !images.back_buffer) return;
    if (!same_size(*images.frozen, *images.dimmed) || !same_size(*images.frozen, *images.back_buffer)) return;
    auto cell = SPARE_IMAGES.try_borrow();
    if (!cell) return;
    **cell = SpareImages{std::move(*images.frozen), std::move(*images.dimmed), std::move(*images.back_buffer)};
    images.frozen.reset();
    images.dimmed.reset();
    images.back_buffer.reset();
    SetTimer(overlay, TIMER_SPARE_IMAGES, SPARE_IMAGES_KEEP_MS, nullptr);
}

std::optional<SpareImages> take_spare_images(int32_t width, int32_t height) {
    auto cell = SPARE_IMAGES.try_borrow();
    if (!cell) return std::nullopt;
    std::optional<SpareImages> spare = std::exchange(**cell, std::nullopt);
    if (spare && (spare->frozen.width != width || spare->frozen.height != height)) spare.reset();
    return spare;
}

void drop_spare_images(HWND overlay) {
    KillTimer(overlay, TIMER_SPARE_IMAGES);
    if (auto cell = SPARE_IMAGES.try_borrow()) (*cell)->reset();
}
