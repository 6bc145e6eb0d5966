#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "annot/render_win.h"
#include "annot/text_path_win.h"
#include "image/bitmap_ops_win.h"

// While a test sets it, every C++ allocation of at least this many bytes fails (0: none do).
// This replaces the global operator new of the whole test binary; otherwise it allocates as
// the library's own does, with malloc, which the library's operator delete frees.
static std::atomic<size_t> failing_allocation_size{0};

void* operator new(std::size_t n) {
    const size_t limit = failing_allocation_size.load(std::memory_order_relaxed);
    if (limit != 0 && n >= limit) throw std::bad_alloc();
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}

namespace {
DibBitmap filled(int32_t w, int32_t h, uint32_t rgb) {
    std::optional<DibBitmap> b = DibBitmap::create(w, h);
    EXPECT_TRUE(b.has_value());
    std::fill(b->pixels().begin(), b->pixels().end(), rgb);
    return std::move(*b);
}

DibBitmap noise(int32_t w, int32_t h, uint32_t seed) {
    DibBitmap b = filled(w, h, 0);
    for (uint32_t& p : b.pixels()) p = (seed = seed * 1664525u + 1013904223u) >> 8;
    return b;
}

// Draws into `target` with the annotations' (dx, dy) at its top-left, as the composed output
// image does.
void render(DibBitmap& target, const std::vector<Annotation>& list, const DibBitmap& source, MosaicCache& cache,
            float dx = 0, float dy = 0, const Annotation* extra = nullptr, std::optional<Rect> clip = std::nullopt) {
    ASSERT_TRUE(draw_annotations(target.hdc(), clip, dx, dy, list, extra, source, cache));
    GdiFlush();
}

uint32_t at(const DibBitmap& b, int32_t x, int32_t y) { return b.bits[y * b.width + x] & 0xFFFFFF; }

Annotation shape(Tool kind, std::vector<AnnotationPoint> pts, uint32_t color = 0xFFFF3B30, float width = 4) {
    Annotation a;
    a.kind = kind;
    a.points = std::move(pts);
    a.color = color;
    a.width = width;
    return a;
}

Annotation boxed_mosaic(float l, float t, float r, float b, bool blur) {
    Annotation a = shape(Tool::Mosaic, {{l, t}, {r, b}}, 0xFFFF3B30, 30);
    a.boxed = true;
    a.blur = blur;
    return a;
}
}  // namespace

TEST(AnnotRender, SpotlightsDimOutsideOnceAndLeaveTheirUnion) {
    DibBitmap target = filled(100, 100, 0xC0C0C0);
    const DibBitmap source = filled(100, 100, 0xC0C0C0);
    MosaicCache cache(Rect{0, 0, 80, 100});
    render(target, {shape(Tool::Spotlight, {{10, 10}, {40, 40}}), shape(Tool::Spotlight, {{60, 60}, {30, 30}})}, source,
           cache);
    struct Probe { int32_t x, y; uint32_t want; };
    const Probe probes[] = {
        {20, 20, 0xC0C0C0}, {35, 35, 0xC0C0C0}, {55, 55, 0xC0C0C0},  // holes and their overlap
        {5, 5, 0x4D4D4D},   {70, 20, 0x4D4D4D}, {20, 70, 0x4D4D4D},  // dimmed once: 0xC0 x 0.4
        {90, 50, 0xC0C0C0},                                          // outside the area
    };
    for (const Probe& p : probes) EXPECT_EQ(at(target, p.x, p.y), p.want) << p.x << "," << p.y;
}

TEST(AnnotRender, MosaicCellsAreTheSameInTheOverlayAndInThePin) {
    // The overlay draws in screen coordinates over an area that starts 5 pixels in; the pin
    // draws the cropped selection with its own area at 0. Both must show the same pixels.
    const DibBitmap screen = noise(100, 80, 99);
    const Rect sel{5, 5, 65, 55};
    for (bool blur : {false, true}) {
        std::optional<DibBitmap> overlay = crop_bitmap(screen, sel);
        std::optional<DibBitmap> pin = crop_bitmap(screen, sel);
        ASSERT_TRUE(overlay && pin);
        GdiFlush();
        MosaicCache overlay_cache(sel), pin_cache(Rect{0, 0, 60, 50});
        render(*overlay, {boxed_mosaic(5, 5, 45, 35, blur), boxed_mosaic(45, 5, 60, 35, blur)}, screen, overlay_cache,
               5, 5);
        render(*pin, {boxed_mosaic(0, 0, 40, 30, blur), boxed_mosaic(40, 0, 55, 30, blur)}, *pin, pin_cache);
        for (int32_t y = 0; y < 50; ++y) {
            for (int32_t x = 0; x < 60; ++x) ASSERT_EQ(at(*overlay, x, y), at(*pin, x, y)) << blur << " " << x << "," << y;
        }
        EXPECT_TRUE(pin_cache.has_copy(blur));
        EXPECT_FALSE(pin_cache.has_copy(!blur));
        if (blur) continue;
        // 12-pixel cells from the area's corner, one grid across both rectangles.
        EXPECT_EQ(at(*pin, 0, 0), at(*pin, 11, 11));
        EXPECT_NE(at(*pin, 11, 0), at(*pin, 12, 0));
        EXPECT_EQ(at(*pin, 36, 2), at(*pin, 47, 2));  // the cell the two rectangles share
    }
}

TEST(AnnotRender, BlurWithoutMemoryLeavesTheMosaicUndrawnAndFails) {
    const DibBitmap source = noise(120, 90, 5);
    DibBitmap target = filled(120, 90, 0x123456);
    MosaicCache cache(Rect{0, 0, 120, 90});
    failing_allocation_size = 120 * 90 * sizeof(uint32_t);  // the blur's second buffer
    // A result with the area in the clear is no result.
    EXPECT_FALSE(draw_annotations(target.hdc(), std::nullopt, 0, 0, {boxed_mosaic(10, 10, 110, 80, true)}, nullptr,
                                  source, cache));
    failing_allocation_size = 0;
    GdiFlush();
    EXPECT_EQ(at(target, 60, 45), 0x123456u);
    EXPECT_FALSE(cache.has_copy(true));
    // The slot stayed empty: the next paint makes the copy.
    render(target, {boxed_mosaic(10, 10, 110, 80, true)}, source, cache);
    EXPECT_NE(at(target, 60, 45), 0x123456u);
    EXPECT_TRUE(cache.has_copy(true));
}

TEST(AnnotRender, MosaicKeepsItsCellsWhenMoved) {
    const DibBitmap source = noise(60, 40, 7);
    DibBitmap a = filled(60, 40, 0), b = filled(60, 40, 0);
    MosaicCache cache(Rect{0, 0, 60, 40});
    render(a, {boxed_mosaic(12, 12, 36, 36, false)}, source, cache);
    render(b, {boxed_mosaic(15, 12, 39, 36, false)}, source, cache);  // moved 3 to the right
    EXPECT_EQ(at(a, 20, 20), at(b, 20, 20));
    EXPECT_EQ(at(a, 35, 30), at(b, 35, 30));
}

TEST(AnnotRender, HighlighterLetsTheMarkedPixelsShowThrough) {
    DibBitmap target = filled(100, 100, 0x0000FF);
    const DibBitmap source = filled(100, 100, 0x0000FF);
    MosaicCache cache(Rect{0, 0, 100, 100});
    Annotation freehand = shape(Tool::Highlighter, {{10, 30}, {90, 30}}, 0xFFFFCC00, 20);
    Annotation boxed = shape(Tool::Highlighter, {{10, 60}, {90, 80}}, 0xFFFFCC00, 20);
    boxed.boxed = true;
    render(target, {freehand, boxed}, source, cache);
    for (int32_t y : {30, 70}) {
        const uint32_t p = at(target, 50, y);
        EXPECT_GE(p & 0xFF, 0x90u) << y;               // blue still shows
        EXPECT_GE((p >> 16) & 0xFF, 0x50u) << y;       // with yellow over it
        EXPECT_LE((p >> 16) & 0xFF, 0x70u) << y;
    }
}

TEST(AnnotRender, OutlinedTextContrastsWithItsColour) {
    ASSERT_NE(annotation_font_family(), nullptr) << "the test prefix lacks the font replacements";
    struct Case { uint32_t color, outline; };
    for (const Case c : {Case{0xFFFFFFFF, 0x1C1C1E}, Case{0xFF1C1C1E, 0xFFFFFF}}) {
        DibBitmap target = filled(200, 100, 0x808080);
        const DibBitmap source = filled(200, 100, 0x808080);
        MosaicCache cache(Rect{0, 0, 200, 100});
        Annotation t = shape(Tool::Text, {{10, 10}}, c.color, 48);
        t.text = "WH";
        t.outline = true;
        render(target, {t}, source, cache);
        size_t outline = 0;
        for (uint32_t p : target.pixels()) outline += (p & 0xFFFFFF) == c.outline;
        EXPECT_GT(outline, 50u) << std::hex << c.color;
    }
}

TEST(AnnotRender, ChineseJapaneseAndKoreanTextIsDrawnWithItsOwnGlyphs) {
    ASSERT_NE(annotation_font_family(), nullptr) << "the test prefix lacks the font replacements";
    // A face without the glyphs draws every character as the same box: swapping two characters,
    // or putting unassigned ones in their place, would then change nothing.
    auto draw = [](const char* text) {
        DibBitmap target = filled(420, 90, 0xFFFFFF);
        const DibBitmap source = filled(420, 90, 0xFFFFFF);
        MosaicCache cache(Rect{0, 0, 420, 90});
        Annotation t = shape(Tool::Text, {{10, 10}}, 0xFF000000, 40);
        t.text = text;
        t.outline = false;
        render(target, {t}, source, cache);
        std::vector<uint32_t> px;
        for (uint32_t p : target.pixels()) px.push_back(p & 0xFFFFFF);
        return px;
    };
    auto differing = [](const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
        size_t n = 0;
        for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
        return n;
    };
    struct Case { const char* text; const char* swapped; const char* missing; };
    const Case cases[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e \xE4\xBD\xA0\xE5\xA5\xBD", "Gr\xC3\xBC\xC3\x9F" "e \xE5\xA5\xBD\xE4\xBD\xA0",
         "Gr\xC3\xBC\xC3\x9F" "e \xCD\xB8\xCD\xB8"},                                          // Grüße 你好
        {"\xE3\x81\x8B\xE3\x81\xAA", "\xE3\x81\xAA\xE3\x81\x8B", "\xCD\xB8\xCD\xB8"},  // かな
        {"\xED\x95\x9C\xEA\xB8\x80", "\xEA\xB8\x80\xED\x95\x9C", "\xCD\xB8\xCD\xB8"},  // 한글
    };
    for (const Case& c : cases) {
        const std::vector<uint32_t> text = draw(c.text);
        const size_t ink = static_cast<size_t>(std::count_if(text.begin(), text.end(), [](uint32_t p) { return p != 0xFFFFFF; }));
        EXPECT_GT(ink, 300u) << c.text;
        EXPECT_GT(differing(text, draw(c.swapped)), ink / 5) << c.text;
        EXPECT_GT(differing(text, draw(c.missing)), ink / 5) << c.text;
    }
}

TEST(AnnotRender, NothingFromAnnotationsWithoutShape) {
    DibBitmap target = filled(40, 40, 0x123456);
    const DibBitmap source = filled(40, 40, 0x123456);
    MosaicCache cache(Rect{0, 0, 40, 40});
    const Annotation zero_arrow = shape(Tool::Arrow, {{20, 20}, {20, 20}}, 0xFFFF0000, 7);
    const Annotation no_points = shape(Tool::Rectangle, {}, 0xFFFF0000, 7);
    render(target, {zero_arrow, no_points}, source, cache, 0, 0, &no_points);
    for (uint32_t p : target.pixels()) ASSERT_EQ(p & 0xFFFFFF, 0x123456u);
}

TEST(AnnotRender, ClippedAndShiftedLikeTheOverlayAndTheOutput) {
    const DibBitmap source = filled(60, 60, 0x000000);
    Annotation box = shape(Tool::Rectangle, {{10, 10}, {30, 30}}, 0xFF00FF00);
    box.filled = true;
    DibBitmap overlay = filled(60, 60, 0x000000), output = filled(40, 40, 0x000000);
    MosaicCache cache(Rect{0, 0, 60, 60});
    render(overlay, {box}, source, cache, 0, 0, nullptr, Rect{0, 0, 20, 60});  // clipped at x = 20
    EXPECT_EQ(at(overlay, 15, 15), 0x00FF00u);
    EXPECT_EQ(at(overlay, 25, 15), 0x000000u);
    render(output, {box}, source, cache, 5, 5);  // the selection starts at (5, 5)
    EXPECT_EQ(at(output, 6, 6), 0x00FF00u);
    EXPECT_EQ(at(output, 24, 24), 0x00FF00u);
    EXPECT_EQ(at(output, 26, 26), 0x000000u);
}

TEST(AnnotRender, TextBoundsGrowWithLines) {
    ASSERT_NE(annotation_font_family(), nullptr);
    Annotation t = shape(Tool::Text, {{100, 50}}, 0xFFFFFFFF, 24);
    t.text = "Text";
    const std::optional<Rect> one = text_outline_bounds(t);
    t.text = "Text\nsecond line";
    const std::optional<Rect> two = text_outline_bounds(t);
    ASSERT_TRUE(one && two);
    EXPECT_LE(one->l, 100);
    EXPECT_LE(one->t, 50);
    EXPECT_GT(two->height(), one->height() + 20);
    EXPECT_GT(two->width(), one->width());
    EXPECT_EQ(measure_text_path(t), *two);
    t.text.clear();
    EXPECT_FALSE(text_outline_bounds(t).has_value());
    EXPECT_EQ(measure_text_path(t), (Rect{100, 50, 100, 50}));
}

// By hand: win_tests.exe --gtest_also_run_disabled_tests --gtest_filter='AnnotRenderBench.*'
TEST(AnnotRenderBench, DISABLED_FiftyMixedAnnotationsAt1080p) {
    const DibBitmap source = noise(1920, 1080, 3);
    std::vector<Annotation> list;
    const Tool kinds[] = {Tool::Rectangle, Tool::Ellipse, Tool::Arrow, Tool::Line, Tool::Pen,
                          Tool::Highlighter, Tool::Text, Tool::Number, Tool::Rectangle, Tool::Spotlight};
    for (int i = 0; i < 48; ++i) {
        const float x = static_cast<float>(40 + (i % 8) * 220), y = static_cast<float>(60 + (i / 8) * 160);
        Annotation a = shape(kinds[i % 10], {{x, y}, {x + 60, y + 30}, {x + 150, y + 90}}, 0xFFFF3B30, 4);
        if (a.kind == Tool::Text || a.kind == Tool::Number) a.points.resize(1);
        if (a.kind != Tool::Pen && a.kind != Tool::Highlighter && a.points.size() > 2) a.points.erase(a.points.begin() + 1);
        a.text = "Sample text";
        a.number = static_cast<uint32_t>(i);
        a.filled = i % 3 == 0;
        list.push_back(a);
    }
    list.push_back(boxed_mosaic(100, 100, 900, 500, false));
    list.push_back(boxed_mosaic(1000, 500, 1800, 1000, true));
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    const auto ms = [&] { return static_cast<double>(t1.QuadPart - t0.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart); };
    MosaicCache cache(Rect{0, 0, 1920, 1080});
    std::vector<double> repeats;
    double first = 0;
    for (int i = 0; i < 11; ++i) {
        DibBitmap target = filled(1920, 1080, 0x808080);
        QueryPerformanceCounter(&t0);
        render(target, list, source, cache);
        QueryPerformanceCounter(&t1);
        if (i == 0) first = ms();
        else repeats.push_back(ms());
    }
    std::sort(repeats.begin(), repeats.end());
    std::printf("50 annotations into 1920x1080: first call %.1f ms, repeat median %.1f ms\n", first,
                repeats[repeats.size() / 2]);
}
