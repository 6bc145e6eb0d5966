// Painting a session into a DIB section: the dimmed and undimmed screen, the frame and its
// handles, the size label, the toolbar with its fills and glyphs, the magnifier, and the clip
// to the update region.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "capture/dim.h"
#include "capture/overlay_actions_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/selection_frame.h"
#include "image/bitmap_ops_win.h"
#include "win/draw.h"
#include "win/handles.h"

namespace {

constexpr int32_t W = 1000, H = 600;

// A frozen screen whose every pixel says where it is.
uint32_t pattern(int32_t x, int32_t y) { return 0x00400000u | ((x & 0xFF) << 8) | (y & 0xFF); }
uint32_t dimmed(uint32_t p) { return (p >> 1) & 0x7F7F7F; }

OverlayState make_state() {
    OverlayState s;
    s.scale = 1.0f;
    s.font = ui_font(12, false);
    s.images.frozen = DibBitmap::create(W, H);
    s.images.dimmed = DibBitmap::create(W, H);
    s.images.back_buffer = DibBitmap::create(W, H);
    s.images.highlight = DibBitmap::create(1, 1);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) s.images.frozen->bits[y * W + x] = pattern(x, y);
    dim_pixels_parallel(s.images.frozen->pixels(), s.images.dimmed->pixels());
    s.images.highlight->bits[0] = 0x002B7FFF;
    AutoSelect& a = s.selection.auto_select;
    a.width = W;
    a.height = H;
    a.monitors = {{0, 0, W, H}};
    return s;
}

struct Canvas {
    std::optional<DibBitmap> bmp = DibBitmap::create(W, H);
    uint32_t at(int32_t x, int32_t y) const { return bmp->bits[y * W + x] & 0xFFFFFF; }
};

Canvas paint(OverlayState& s, HRGN region = nullptr) {
    Canvas c;
    std::fill(c.bmp->pixels().begin(), c.bmp->pixels().end(), 0x123456u);
    paint_session(c.bmp->hdc(), s, region);
    GdiFlush();
    return c;
}

bool near_colour(uint32_t a, uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

}  // namespace

TEST(OverlayPaint, DimmedOutsideUndimmedInsideFrameAndHandles) {
    OverlayState s = make_state();
    const Rect sel{300, 100, 900, 400};
    s.selection.rect = sel;
    const Canvas c = paint(s);
    EXPECT_EQ(c.at(10, 590), dimmed(pattern(10, 590)));
    EXPECT_EQ(c.at(600, 250), pattern(600, 250));
    EXPECT_EQ(c.at(300, 200), pattern(300, 200));  // the frame hides no pixel of the selection
    EXPECT_EQ(c.at(299, 200), 0x2B7FFFu);          // frame line, left
    EXPECT_EQ(c.at(900, 200), 0x2B7FFFu);          // frame line, right
    EXPECT_EQ(c.at(902, 200), dimmed(pattern(902, 200)));
    const HandleSquare corner = handle_squares(sel, 1.0f)[0];
    EXPECT_EQ(c.at(corner.outer.l, corner.outer.t), 0x2B7FFFu);
    EXPECT_EQ(c.at(corner.inner.l, corner.inner.t), 0xFFFFFFu);
    const HandleSquare mid = handle_squares(sel, 1.0f)[6];  // bottom middle
    EXPECT_EQ(c.at(mid.inner.l, mid.inner.t), 0xFFFFFFu);

    // No handles while a tool is chosen; the frame stays.
    s.editor.tool = Tool::Pen;
    const Canvas pen = paint(s);
    EXPECT_EQ(pen.at(corner.outer.l, corner.outer.t), dimmed(pattern(corner.outer.l, corner.outer.t)));
    EXPECT_EQ(pen.at(299, 200), 0x2B7FFFu);
}

TEST(OverlayPaint, AnnotationsClippedToTheSelectionAndTheSelectedOnesHandles) {
    OverlayState s = make_state();
    const Rect sel{300, 100, 900, 400};
    s.selection.rect = sel;
    s.editor.selection = sel;
    Annotation box;
    box.kind = Tool::Rectangle;
    box.filled = true;
    box.color = 0xFF34C759;
    box.points = {{250, 150}, {400, 250}};  // reaches out of the selection on the left
    Annotation line;
    line.kind = Tool::Line;
    line.color = 0xFFFF3B30;
    line.width = 4;
    line.points = {{500, 300}, {700, 300}};
    s.editor.annotations = {box, line};
    s.editor.selected = 1;
    const Canvas c = paint(s);
    EXPECT_EQ(c.at(350, 200), 0x34C759u);                         // inside the selection
    EXPECT_EQ(c.at(280, 200), dimmed(pattern(280, 200)));         // cut off outside it
    EXPECT_EQ(c.at(600, 300), 0xFF3B30u);
    EXPECT_EQ(c.at(505, 250), pattern(505, 250));
    // The selected line's handles at its ends: white squares of 7 outlined in the accent colour.
    EXPECT_EQ(c.at(700, 300 - 5), pattern(700, 300 - 5));
    EXPECT_EQ(c.at(497, 300), 0x2B7FFFu);
    EXPECT_EQ(c.at(500, 302), 0xFFFFFFu);
    EXPECT_EQ(c.at(700, 303), 0xFFFFFFu);
    // With no tool chosen the selection keeps its own handles too.
    EXPECT_EQ(c.at(handle_squares(sel, 1.0f)[0].inner.l, handle_squares(sel, 1.0f)[0].inner.t), 0xFFFFFFu);

    // A drawing in progress is drawn above the list.
    Annotation drawing = box;
    drawing.color = 0xFF007AFF;
    drawing.points = {{320, 160}, {360, 190}};
    s.editor.in_progress = drawing;
    EXPECT_EQ(paint(s).at(340, 170), 0x007AFFu);

    // The kept picture of the list follows its changes.
    s.editor.in_progress.reset();
    s.editor.annotations[0].color = 0xFFAF52DE;
    EXPECT_EQ(paint(s).at(350, 200), 0xAF52DEu);

    // A Mosaic comes after every other kind: a rectangle being drawn lies under it.
    Annotation mosaic;
    mosaic.kind = Tool::Mosaic;
    mosaic.boxed = true;
    mosaic.points = {{600, 150}, {700, 250}};
    s.editor.annotations.push_back(mosaic);
    drawing.points = {{620, 170}, {720, 260}};
    s.editor.in_progress = drawing;
    const Canvas under = paint(s);
    EXPECT_NE(under.at(650, 200), 0x007AFFu);
    EXPECT_EQ(under.at(710, 255), 0x007AFFu);

    // An open text box that grew past the selection's right edge keeps its whole dashed frame.
    s.editor.in_progress.reset();
    TextBox text;
    text.x = 850;
    text.y = 200;
    text.area = {850, 200, 990, 230};
    s.editor.text_box = std::move(text);
    const Canvas typing = paint(s);
    int framed = 0;
    for (int32_t x = 905; x < 990; ++x) framed += near_colour(typing.at(x, 197), 0x2B7FFF, 0x30);
    EXPECT_GT(framed, 40);  // dashes of 3 with gaps of 1
}

TEST(OverlayPaint, SizeLabelAndToolbar) {
    OverlayState s = make_state();
    const Rect sel{300, 100, 900, 400};
    s.selection.rect = sel;
    const Rect label = size_label_place(s, sel);
    EXPECT_EQ(label.b, sel.t - 6);
    const std::optional<ToolbarLayout> bar = place_toolbar(s);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->toolbar, (Rect{73, 408, 900, 448}));
    const Canvas c = paint(s);
    EXPECT_EQ(c.at(label.l + 2, label.t + label.height() / 2 - 6), 0x202024u);
    EXPECT_EQ(c.at(bar->items[0].rect.r, 428), 0xFCFCFDu);     // the gap after the first button
    EXPECT_EQ(c.at(bar->toolbar.l + 40, bar->toolbar.t), 0xCDD0D6u);  // outline
    const Rect copy = bar->items.back().rect;
    EXPECT_EQ(c.at(copy.l + 4, copy.t + 4), 0x2B7FFFu);       // the primary button
    EXPECT_TRUE(near_colour(c.at(copy.l + 11, copy.t + 19), 0xFFFFFF, 40));  // its white check mark
    // Undo without history: the pale glyph on its bar (18, 10) to (11, 10).
    const Rect undo = bar->items[12].rect;
    EXPECT_TRUE(near_colour(c.at(undo.l + 14, undo.t + 10), 0xB4B4BC, 24)) << std::hex << c.at(undo.l + 14, undo.t + 10);
    // No magnifier while idle with a confirmed selection.
    EXPECT_EQ(c.at(s.selection.cursor_x + 30, s.selection.cursor_y + 30),
              dimmed(pattern(s.selection.cursor_x + 30, s.selection.cursor_y + 30)));
}

TEST(OverlayPaint, HoverPressAndTooltip) {
    OverlayState s = make_state();
    s.selection.rect = Rect{300, 100, 900, 400};
    const ToolbarLayout bar = *place_toolbar(s);
    const Rect save = bar.items[23].rect;
    ASSERT_EQ(bar.items[23].id, ToolbarItem::Save);
    s.selection.toolbar_hover = {HitKind::Button, static_cast<uint8_t>(ToolbarItem::Save)};
    const Canvas hovered = paint(s);
    EXPECT_EQ(hovered.at(save.l + 3, save.t + 3), 0xEAEEF6u);
    const std::optional<ToolbarTooltip> tip = toolbar_tooltip(s, bar);
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->text, "Save  Ctrl+S");
    EXPECT_EQ(hovered.at(tip->rect.l + 2, tip->rect.t + tip->rect.height() / 2), 0x202024u);

    s.selection.mouse_state = MouseState::ToolbarPress;
    s.selection.toolbar_press = s.selection.toolbar_hover;
    const Canvas pressed = paint(s);
    EXPECT_EQ(pressed.at(save.l + 3, save.t + 3), 0xCEDCF6u);
    EXPECT_FALSE(toolbar_tooltip(s, bar));
    EXPECT_EQ(pressed.at(tip->rect.l + 2, tip->rect.t + tip->rect.height() / 2),
              pattern(tip->rect.l + 2, tip->rect.t + tip->rect.height() / 2));  // inside the selection
}

TEST(OverlayPaint, PinEditPrimaryIsDone) {
    OverlayState s = make_state();
    s.selection.rect = Rect{200, 100, 950, 400};
    s.pin_edit = PinEditState{};
    const ToolbarLayout bar = *place_toolbar(s);
    ASSERT_EQ(bar.items.size(), 22u);
    const Rect done = bar.items.back().rect, copy = bar.items[19].rect;
    const Canvas c = paint(s);
    EXPECT_EQ(c.at(done.l + 4, done.t + 4), 0x2B7FFFu);
    EXPECT_EQ(c.at(copy.l + 4, copy.t + 4), 0xFCFCFDu);
    // Copy's front page is filled with the frame colour over the back page's outline.
    EXPECT_EQ(c.at(copy.l + 14, copy.t + 19), 0xFCFCFDu);
    EXPECT_TRUE(near_colour(c.at(copy.l + 8, copy.t + 19), 0x2C2C30, 40));
}

TEST(OverlayPaint, MagnifierLensCrosshairAndReadout) {
    OverlayState s = make_state();
    s.selection.cursor_x = 50;
    s.selection.cursor_y = 50;
    const Canvas c = paint(s);
    // Lens at (70, 70), 136 square, cells of 8.
    EXPECT_EQ(c.at(70, 70), 0xFFFFFFu);               // border
    EXPECT_EQ(c.at(73, 73), pattern(42, 42));         // first cell
    EXPECT_EQ(c.at(134, 134), 0x000000u);             // centre cell: black, then white inside
    EXPECT_EQ(c.at(135, 135), 0xFFFFFFu);
    EXPECT_EQ(c.at(138, 138), pattern(50, 50));
    const uint32_t cross = c.at(73, 138);             // centre row, tinted
    EXPECT_NE(cross, pattern(42, 50));
    EXPECT_TRUE(near_colour(cross, 0x2B7FFF, 0xA0)) << std::hex << cross;
    EXPECT_EQ(c.at(72, 207), 0x202024u);              // readout band
    EXPECT_EQ(c.at(78, 211 + 18 + 3), 0xC8C8C8u);     // swatch border
    EXPECT_EQ(c.at(80, 211 + 18 + 6), pattern(50, 50));  // swatch
    EXPECT_EQ(c.at(60, 60), dimmed(pattern(60, 60)));  // no selection: the screen stays dimmed
}

TEST(OverlayPaint, MagnifierAtTheTopLeftCorner) {
    OverlayState s = make_state();
    const Canvas c = paint(s);
    // Lens at (20, 20): the cells of pixels left of and above the screen stay black.
    EXPECT_EQ(c.at(24, 24), 0x000000u);
    EXPECT_EQ(c.at(20 + 7 * 8 + 4, 20 + 3 * 8 + 4), 0x000000u);
    EXPECT_EQ(c.at(20 + 3 * 8 + 4, 20 + 7 * 8 + 4), 0x000000u);
    EXPECT_EQ(c.at(84 + 8 + 4, 84 + 8 + 4), pattern(1, 1));
}

TEST(OverlayPaint, ASessionMissingAnImageIsNotPaintedAtAll) {
    // Such a session is never shown: painting must not put a half frame on the window either.
    for (int missing = 0; missing < 3; ++missing) {
        OverlayState s = make_state();
        s.selection.rect = Rect{300, 100, 900, 400};
        std::optional<DibBitmap>* image[] = {&s.images.frozen, &s.images.dimmed, &s.images.back_buffer};
        image[missing]->reset();
        EXPECT_FALSE(overlay_paintable(s.images)) << missing;
        Canvas c;
        std::fill(c.bmp->pixels().begin(), c.bmp->pixels().end(), 0x123456u);
        EXPECT_FALSE(paint_session(c.bmp->hdc(), s, nullptr)) << missing;
        GdiFlush();
        EXPECT_TRUE(std::all_of(c.bmp->pixels().begin(), c.bmp->pixels().end(),
                                [](uint32_t p) { return (p & 0xFFFFFF) == 0x123456u; }))
            << missing;
    }
    OverlayState whole = make_state();
    EXPECT_TRUE(overlay_paintable(whole.images));
    Canvas c;
    EXPECT_TRUE(paint_session(c.bmp->hdc(), whole, nullptr));
}

TEST(OverlayPaint, OnlyTheUpdateRegionIsTouched) {
    OverlayState s = make_state();
    s.selection.rect = Rect{300, 100, 900, 400};
    const Region region(CreateRectRgn(500, 200, 520, 220));
    const Canvas c = paint(s, region.get());
    EXPECT_EQ(c.at(510, 210), pattern(510, 210));
    EXPECT_EQ(c.at(499, 210), 0x123456u);
    EXPECT_EQ(c.at(299, 250), 0x123456u);
}

TEST(OverlayPaint, DragStepInvalidatesOnlyWhatChanged) {
    OverlayState s = make_state();
    s.window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, W, H, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(s.window);
    ShowWindow(s.window, SW_SHOWNA);
    s.selection.rect = Rect{100, 100, 500, 400};
    s.selection.mouse_state = MouseState::ResizingSelection;
    s.paint.layout = overlay_layout(s);
    ValidateRect(s.window, nullptr);
    s.selection.rect = Rect{100, 100, 505, 403};
    s.selection.cursor_x = 505;
    s.selection.cursor_y = 403;
    overlay_invalidate_changes(s);
    const Region update(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(s.window, update.get(), FALSE);
    EXPECT_TRUE(PtInRegion(update.get(), 504, 402));
    EXPECT_TRUE(PtInRegion(update.get(), 300, 401));   // the new strip below
    EXPECT_FALSE(PtInRegion(update.get(), 300, 250));  // the inside stays
    // Only an action that keeps the selection remembers it for R: not a drag, nor a capture
    // that is then cancelled.
    EXPECT_FALSE(LAST_SELECTION.get());
    DestroyWindow(s.window);
}
