// By hand: win_tests.exe --gtest_also_run_disabled_tests --gtest_filter='OverlayPaintBench.*'
// A full overlay paint and one drag step of the selection's corner at 1920 x 1080, each beside a
// bare full-screen BitBlt of the same run, all into a window on screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "annot/annotation.h"
#include "capture/dim.h"
#include "capture/overlay_paint_win.h"
#include "util/clock.h"
#include "win/draw.h"
#include "win/handles.h"

namespace {

constexpr int32_t W = 1920, H = 1080;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

Annotation shape(Tool kind, std::vector<AnnotationPoint> points, uint32_t color, float width) {
    Annotation a;
    a.kind = kind;
    a.points = std::move(points);
    a.color = color;
    a.width = width;
    return a;
}

// Twenty annotations over the selection: seventeen strokes, shapes, markers and texts, a
// Mosaic, a blurred Mosaic and a Spotlight.
std::vector<Annotation> twenty_annotations() {
    std::vector<Annotation> list;
    for (int i = 0; i < 4; ++i) {
        const float x = 340.0f + 120.0f * static_cast<float>(i);
        list.push_back(shape(Tool::Rectangle, {{x, 240}, {x + 100, 320}}, 0xFFFF3B30, 4));
        list.push_back(shape(Tool::Ellipse, {{x, 340}, {x + 100, 420}}, 0xFF34C759, 4));
        list.push_back(shape(Tool::Arrow, {{x, 520}, {x + 100, 440}}, 0xFFAF52DE, 4));
    }
    std::vector<AnnotationPoint> wave;
    for (int i = 0; i <= 40; ++i) wave.push_back({820.0f + 10.0f * static_cast<float>(i), 260.0f + 30.0f * std::sin(i * 0.4f)});
    list.push_back(shape(Tool::Pen, wave, 0xFF007AFF, 4));
    list.push_back(shape(Tool::Highlighter, {{820, 340}, {1200, 360}}, 0x80FFCC00, 20));
    Annotation number = shape(Tool::Number, {{1250, 300}}, 0xFFFF3B30, 30);
    number.number = 7;
    list.push_back(number);
    Annotation text = shape(Tool::Text, {{820, 400}}, 0xFFFFFFFF, 24);
    text.text = "Twenty annotations";
    text.outline = true;
    list.push_back(text);
    list.push_back(shape(Tool::Line, {{820, 480}, {1000, 520}, {1200, 470}}, 0xFF1C1C1E, 4));
    Annotation mosaic = shape(Tool::Mosaic, {{340, 560}, {640, 760}}, 0xFFFF3B30, 30);
    mosaic.boxed = true;
    list.push_back(mosaic);
    Annotation blurred = mosaic;
    blurred.points = {{680, 560}, {980, 760}};
    blurred.blur = true;
    list.push_back(blurred);
    list.push_back(shape(Tool::Spotlight, {{1020, 560}, {1460, 760}}, 0xFFFF3B30, 4));
    return list;
}

OverlayState bench_state(HWND window) {
    OverlayState s;
    s.window = window;
    s.scale = 1.0f;
    s.font = ui_font(12, false);
    s.images.frozen = DibBitmap::create(W, H);
    s.images.dimmed = DibBitmap::create(W, H);
    s.images.back_buffer = DibBitmap::create(W, H);
    s.images.highlight = DibBitmap::create(1, 1);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) s.images.frozen->bits[y * W + x] = (x * 7 + y * 13) & 0xFFFFFF;
    dim_pixels_parallel(s.images.frozen->pixels(), s.images.dimmed->pixels());
    s.images.highlight->bits[0] = 0x002B7FFF;
    AutoSelect& a = s.selection.auto_select;
    a.width = W;
    a.height = H;
    a.monitors = {{0, 0, W, H}};
    s.selection.rect = Rect{300, 200, 1500, 800};
    s.editor.selection = *s.selection.rect;
    s.editor.annotations = twenty_annotations();
    return s;
}

// A repaint of what overlay_invalidate_changes invalidates after `change`.
template <class Change>
double timed_step(OverlayState& s, HDC dc, Change change) {
    s.paint.layout = overlay_layout(s);
    ValidateRect(s.window, nullptr);
    const double t = clock_ms();
    change();
    overlay_invalidate_changes(s);
    const Region update(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(s.window, update.get(), FALSE);
    ValidateRect(s.window, nullptr);
    paint_session(dc, s, update.get());
    GdiFlush();
    return clock_ms() - t;
}

void run_bench(bool annotated) {
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, W, H, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    OverlayState s = bench_state(window);
    ASSERT_TRUE(s.images.frozen && s.images.dimmed && s.images.back_buffer);
    if (!annotated) s.editor.annotations.clear();
    const WindowDc dc(window);
    const Rect start{300, 200, 1500, 800};

    std::vector<double> full, changed, step, hover, bare;
    for (int i = 0; i < 41; ++i) {
        s.selection.mouse_state = MouseState::Idle;
        s.selection.rect = start;
        s.selection.toolbar_hover = TOOLBAR_OUTSIDE;
        // Back at the first selection after the drag: its mosaic copies are made again first.
        paint_session(dc.get(), s, nullptr);
        double t = clock_ms();
        paint_session(dc.get(), s, nullptr);
        GdiFlush();
        full.push_back(clock_ms() - t);

        // The same after an annotation changed: the annotated selection is drawn again.
        s.paint.layer = {};
        t = clock_ms();
        paint_session(dc.get(), s, nullptr);
        GdiFlush();
        changed.push_back(clock_ms() - t);

        // The pointer moving onto a toolbar button while idle: its hover fill and tooltip.
        hover.push_back(timed_step(s, dc.get(), [&] {
            s.selection.toolbar_hover = {HitKind::Button, static_cast<uint8_t>(ToolbarItem::Save)};
        }));

        // One step of a corner drag.
        s.selection.mouse_state = MouseState::ResizingSelection;
        step.push_back(timed_step(s, dc.get(), [&] {
            s.selection.rect = Rect{start.l, start.t, start.r + 4, start.b + 3};
            s.selection.cursor_x = start.r + 4;
            s.selection.cursor_y = start.b + 3;
        }));

        t = clock_ms();
        BitBlt(dc.get(), 0, 0, W, H, s.images.dimmed->hdc(), 0, 0, SRCCOPY);
        GdiFlush();
        bare.push_back(clock_ms() - t);
    }
    const double f = median(full), c = median(changed), d = median(step), h = median(hover), b = median(bare);
    std::printf("1920x1080, %s: full paint %.2f ms (%.2f ms after an annotation changed), drag step %.2f ms, "
                "toolbar hover step %.2f ms, bare BitBlt %.2f ms; drag/full %.3f, hover/full %.3f, "
                "full/BitBlt %.2f (%.2f)\n",
                annotated ? "20 annotations" : "no annotations", f, c, d, h, b, d / f, h / f, f / b, c / b);
    DestroyWindow(window);
}

}  // namespace

TEST(OverlayPaintBench, DISABLED_FullPaintAndDragStepAgainstABareBitBlt) {
    run_bench(true);
    run_bench(false);
}
