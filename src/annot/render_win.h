#pragma once
// Drawing annotations with GDI+. The overlay's painting, the composed output image and a pin's
// annotated image all draw through render_annotations, so an annotation looks the same on the
// screen, in the file and in the pin.
#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "annot/annotation.h"
#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "util/geometry.h"

// The processed copies of one area of a source bitmap that Mosaic annotations are filled
// from: slot 0 the mosaic copy, slot 1 the blurred copy (the slot is the annotation's blur
// flag). Each is made the first time a Mosaic needs it and reused by every later call, so
// keep one cache for as long as the area and the source stay the same. The 12-pixel grid is
// anchored at the area's top-left: the overlay (area = the selection) and a pin (area = its
// whole image, which starts at the selection's top-left) show the same cells.
class MosaicCache {
public:
    explicit MosaicCache(Rect area) : area_(area) {}
    MosaicCache(MosaicCache&&) noexcept = default;
    MosaicCache& operator=(MosaicCache&&) noexcept = default;

    const Rect& area() const { return area_; }
    // Whether the slot holds its copy (for tests and the benchmark switch).
    bool has_copy(bool blur) const { return slots_[blur ? 1 : 0].image.get() != nullptr; }

private:
    friend class MosaicCacheUse;
    struct Slot {
        std::optional<DibBitmap> pixels;  // the processed crop; the GDI+ bitmap reads its buffer
        GdipImage image;                  // declared after the buffer: released before it
        int32_t x = 0, y = 0;             // where the crop starts in source coordinates
    };
    Rect area_;
    bool in_use_ = false;
    std::array<Slot, 2> slots_;
};

// Draws every annotation with at least one point, then `extra` (the one being drawn), in three
// steps: every kind but Mosaic and Spotlight, then the Mosaics, then all Spotlights as one
// dimmed region over the cache's area. `source` holds the pixels Mosaics are made from, in
// the annotations' coordinates. A cache already in use by an outer call draws no Mosaics.
// False when a Mosaic over the source could not be drawn (memory is short, or the cache was in
// use): the result would show what it hides.
bool render_annotations(Gdiplus::GpGraphics* graphics, const std::vector<Annotation>& annotations,
                        const Annotation* extra, const DibBitmap& source, MosaicCache& cache);

// render_annotations through a Graphics of its own on the DC: clipped to `clip` (device
// pixels) when given, with the annotations' (origin_x, origin_y) at the DC's (0, 0). The
// overlay draws at origin 0 clipped to the selection; the composed output image at the
// selection's top-left; a pin at 0 with a cache over its whole image. False when no Graphics
// could be made or render_annotations failed.
bool draw_annotations(HDC dc, const std::optional<Rect>& clip, float origin_x, float origin_y,
                      const std::vector<Annotation>& annotations, const Annotation* extra, const DibBitmap& source,
                      MosaicCache& cache);

// Keeps an overlay's cache in line with its selection: dropped without a selection, replaced
// by an empty one when the selection moved or changed size.
void sync_mosaic_cache(std::optional<MosaicCache>& cache, const std::optional<Rect>& selection);

// The outline of a Text annotation's text as a path (winding fill), bold, em size = width,
// its top-left at the annotation's point. None without a font family or a point.
std::optional<GdipPath> text_outline_path(const Annotation& a);
// The annotation's bounds: the box of its points; for Text its outline's bounds grown by
// width / 7 + 3 (the box of its point when it cannot be measured).
Rect measure_text_path(const Annotation& a);
// A Text annotation's grown outline bounds; none when they cannot be measured (the editor's
// TextBoundsFn).
std::optional<Rect> text_outline_bounds(const Annotation& a);
