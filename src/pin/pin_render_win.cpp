#include "annot/render_win.h"
#include "image/bitmap_ops_win.h"
#include "pin/pin_window_win.h"

bool render_pin_image(PinRecord& pin) {
    if (pin.annotations.empty() || !pin.base_image) {
        pin.annotated_image.reset();
        return true;
    }
    const DibBitmap& base = *pin.base_image;
    std::optional<DibBitmap> drawn = crop_bitmap(base, Rect{0, 0, base.width, base.height});
    if (!drawn) return false;
    // A fresh cache over the whole image: its mosaic grid starts where the selection's did.
    MosaicCache cache(Rect{0, 0, base.width, base.height});
    if (!draw_annotations(drawn->hdc(), std::nullopt, 0, 0, pin.annotations, nullptr, base, cache)) return false;
    GdiFlush();
    pin.annotated_image = std::move(drawn);
    return true;
}
