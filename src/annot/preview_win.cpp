// "--preview": the sample image of the renderer and the toolbar, written as PNG.
#include "annot/preview_win.h"

#include <string>

#include "annot/preview.h"
#include "capture/overlay_draw_win.h"
#include "image/dib_bitmap_win.h"
#include "image/image_file_win.h"
#include "toolbar/toolbar_draw_win.h"
#include "toolbar/toolbar_tooltip.h"
#include "util/log.h"
#include "util/scaled.h"
#include "win/draw.h"

namespace {

// The sample annotations over the checkerboard; the renderer is not part of this build yet.
void render_preview_annotations(DibBitmap&) {}

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
    const Status written = write_png(canvas->bits, canvas->pixel_count(), PREVIEW_WIDTH, PREVIEW_HEIGHT, path);
    debug_log(written ? "preview written: " + path : "preview not written: " + written.error().message);
}
