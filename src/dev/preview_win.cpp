// "--preview": the sample image of the renderer and the toolbar, written as PNG.
#include "dev/dev_jobs_win.h"

#include <string>
#include <vector>

#include "annot/geometry.h"
#include "annot/render_win.h"
#include "capture/overlay_draw_win.h"
#include "dev/preview.h"
#include "dev/preview_samples.h"
#include "image/bitmap_ops_win.h"
#include "image/dib_bitmap_win.h"
#include "image/file_names.h"
#include "image/image_file_win.h"
#include "toolbar/toolbar_draw_win.h"
#include "toolbar/toolbar_tooltip.h"
#include "util/log.h"
#include "util/rect_ops.h"
#include "util/scaled.h"
#include "win/draw.h"

namespace {

// The sample annotations over the checkerboard, above the strip. A Spotlight dims everything
// of its area but its own box: each gets a panel of its own, so the other samples stay clear.
void render_preview_annotations(DibBitmap& canvas) {
    // Mosaics are made from the checkerboard as it is before anything is drawn on it.
    const std::optional<DibBitmap> source = crop_bitmap(canvas, Rect{0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT});
    if (!source) {
        debug_log("preview: no copy of the background for the mosaics");
        return;
    }
    const Rect area{0, 0, PREVIEW_WIDTH, PREVIEW_STRIP.t};
    std::vector<Annotation> others;
    std::vector<Annotation> spotlights;
    for (Annotation& a : preview_annotations()) (a.kind == Tool::Spotlight ? spotlights : others).push_back(std::move(a));
    MosaicCache cache(area);
    bool drawn = draw_annotations(canvas.hdc(), area, 0, 0, others, nullptr, *source, cache);
    for (const Annotation& spot : spotlights) {
        const Rect panel = intersect(grow(outward_rect(corner_box(spot)), 20), area);
        MosaicCache own(panel);
        drawn = draw_annotations(canvas.hdc(), panel, 0, 0, {spot}, nullptr, *source, own) && drawn;
    }
    if (!drawn) debug_log("preview: annotations not drawn (no GDI+)");
}

void draw_preview_toolbars(DibBitmap& canvas) {
    const HDC dc = canvas.hdc();
    SetDCBrushColor(dc, RGB(0x3C, 0x40, 0x48));
    const RECT strip{PREVIEW_STRIP.l, PREVIEW_STRIP.t, PREVIEW_STRIP.r, PREVIEW_STRIP.b};
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    const HFONT font = ui_font(12, false);
    const MeasureText measure = [dc, font](std::string_view text) {
        const SIZE s = text_extent(dc, font, text);
        return TextSize{s.cx, s.cy};
    };
    const Rect image{0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT};
    for (const PreviewToolbar& t : preview_toolbars()) {
        const ToolbarLayout layout = layout_toolbar(t.selection, image, 1.0f, t.pin_edit, t.option_tool, measure);
        if (!draw_toolbar(dc, layout, t.state, font)) debug_log("preview: toolbar glyphs not drawn (no GDI+)");
        if (const auto tip = toolbar_tooltip(layout, t.state.hover, MouseState::Idle, image, measure))
            draw_label_box(dc, tip->rect, scaled_trunc(4, 1.0f), tip->text, font);
    }
}

}  // namespace

void run_preview(const Args& args) {
    std::string path = PREVIEW_FILE;
    if (const std::optional<size_t> at = find_arg(args, "--preview"); at && *at + 1 < args.size()) path = args[*at + 1];
    // The file is what its name says: PNG, JPEG or PDF; a name that says another format is refused.
    const std::string ext = file_extension(path);
    if (!ext.empty() && ext != "png" && ext != "jpg" && ext != "jpeg" && ext != "pdf") {
        debug_log("preview not written: " + path + ": the name must end in .png, .jpg, .jpeg or .pdf");
        return;
    }
    std::optional<DibBitmap> canvas = DibBitmap::create(PREVIEW_WIDTH, PREVIEW_HEIGHT);
    if (!canvas) {
        debug_log("preview: no bitmap");
        return;
    }
    fill_preview_background(canvas->pixels(), PREVIEW_WIDTH, PREVIEW_HEIGHT);
    render_preview_annotations(*canvas);
    draw_preview_toolbars(*canvas);
    GdiFlush();
    // GDI writes the fourth byte of some pixels; PNG takes three.
    for (uint32_t& p : canvas->pixels()) p &= 0xFFFFFF;
    const Status written = save_image(*canvas, path);
    debug_log(written ? "preview written: " + path : "preview not written: " + written.error().message);
}
