// The composed output of a session and the end of a pin edit.
#include "capture/overlay_output_win.h"

#include <utility>

#include "capture/overlay_editor_win.h"
#include "capture/session_rules.h"
#include "image/bitmap_ops_win.h"

const DibBitmap* compose_output_image(OverlayState& s) {
    commit_open_edits(s.editor);
    if (!s.selection.rect || !s.images.frozen) return nullptr;
    // With annotations the output is the layer painting keeps: made again only when the
    // selection or the list changed, so it always holds what is on screen.
    if (!s.editor.annotations.empty()) return annotated_selection(s);
    const Rect sel = *s.selection.rect;
    OverlayOutput& out = s.output;
    if (!out.image || out.selection != sel) {
        out.image = crop_bitmap(*s.images.frozen, sel);
        out.selection = sel;
    }
    return out.image ? &*out.image : nullptr;
}

std::optional<DibBitmap> take_output_image(OverlayState& s) {
    const DibBitmap* image = compose_output_image(s);
    if (!image) return std::nullopt;
    if (s.paint.layer.pixels && image == &*s.paint.layer.pixels) {
        std::optional<DibBitmap> taken = std::exchange(s.paint.layer.pixels, std::nullopt);
        s.paint.layer = {};
        return taken;
    }
    return std::exchange(s.output.image, std::nullopt);
}

void finish_pin_edit(OverlayState& s, PinEditOutcome outcome) {
    commit_open_edits(s.editor);
    if (!s.pin_edit) return;
    // In the pin's coordinates; end_capture hands them over as they are.
    s.editor.edited = moved_annotations(s.editor.annotations, saturate_i32(-int64_t{s.pin_edit->offset_x}),
                                        saturate_i32(-int64_t{s.pin_edit->offset_y}));
    s.pin_edit->outcome = outcome;
}
