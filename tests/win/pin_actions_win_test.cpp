// What a pin's menu does with its image under Wine: transforms, the clipboard, printing and the
// hand-over to the editor and back.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "capture/capture_win.h"
#include "annot/render_win.h"
#include "capture/session_win.h"
#include "image/bitmap_ops_win.h"
#include "pin/pin_actions_win.h"
#include "pin/pin_geometry.h"
#include "pin/pin_menu.h"
#include "ocr/ocr_types.h"
#include "win/messages.h"
#include "strings/ui_strings.h"
#include "win/error.h"
#include "win/post_result.h"

#include "support/pin_support_win.h"

namespace {

using namespace test_support;

// Pixel (x, y) of an image up to 400 x 200: distinct and easy to follow through a transform.
uint32_t cell(int32_t x, int32_t y) { return 0x10000u * static_cast<uint32_t>(y + 1) + 0x10u * static_cast<uint32_t>(x + 1); }

std::vector<uint32_t> base_pixels(HWND pin) {
    const DibBitmap& b = *find_pin(pin)->base_image;
    std::vector<uint32_t> out;
    for (uint32_t p : b.pixels()) out.push_back(p & 0xFFFFFFu);
    return out;
}

std::optional<uint32_t> clipboard_first_pixel() {
    std::optional<uint32_t> out;
    for (int i = 0; i < 200 && !OpenClipboard(nullptr); ++i) Sleep(10);
    if (HANDLE h = GetClipboardData(CF_BITMAP)) {
        if (std::optional<DibBitmap> b = bitmap_from_hbitmap(static_cast<HBITMAP>(h))) out = b->bits[0] & 0xFFFFFFu;
    }
    CloseClipboard();
    return out;
}

// Answers whatever dialog of this thread shows with OK: Wine's print dialog finds no printer
// and says so in a box of its own.
void CALLBACK press_ok(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (IsWindowVisible(w) && std::wstring(cls) == L"#32770") PostMessageW(w, WM_COMMAND, IDOK, 0);
            return TRUE;
        },
        0);
}

Annotation shape(Tool kind, std::vector<AnnotationPoint> points, uint32_t argb = 0, bool filled = false) {
    Annotation a;
    a.kind = kind;
    a.points = std::move(points);
    a.color = argb;
    a.filled = filled;
    a.width = 4;
    return a;
}

Annotation at_points(std::vector<AnnotationPoint> points) { return shape(Tool::Rectangle, std::move(points)); }

bool session_open() { return OVERLAY_SESSION.borrow()->has_value(); }

// Every GDI object this process may still make, taken for one scope: no bitmap can be made then,
// as when memory runs short.
class GdiExhausted {
public:
    GdiExhausted() {
        for (int i = 0; i < 200000; ++i) {
            HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(i));
            if (!b) break;
            held_.push_back(b);
        }
    }
    ~GdiExhausted() {
        for (HBRUSH b : held_) DeleteObject(b);
    }
    GdiExhausted(const GdiExhausted&) = delete;
    GdiExhausted& operator=(const GdiExhausted&) = delete;

private:
    std::vector<HBRUSH> held_;
};

class PinActions : public PinTest {
protected:
    void TearDown() override {
        if (session_open()) end_capture(OVERLAY_HWND.get(), false);
        // A pin edit's grab may start the desktop-duplication retry on the stand-in main window.
        KillTimer(window_, TIMER_PREWARM);
        PinTest::TearDown();
    }
};

}  // namespace

TEST_F(PinActions, RotatingKeepsTheCentreAndTurnsThePixels) {
    const HWND pin = create_pin(make_image(300, 100, cell), {}, 100, 100, 2.0f, 100);
    const POINT before = window_center(pin);
    run_pin_command(pin, PIN_CMD_TRANSFORM_FIRST + 1);  // rotate right
    EXPECT_EQ(rect_of(pin).width(), 202);
    EXPECT_EQ(rect_of(pin).height(), 602);
    EXPECT_EQ(window_center(pin).x, before.x);
    EXPECT_EQ(window_center(pin).y, before.y);
    const DibBitmap& turned = *record(pin).base_image;
    ASSERT_EQ(turned.width, 100);
    ASSERT_EQ(turned.height, 300);
    // Clockwise: the old bottom-left corner is the new top-left.
    EXPECT_EQ(pixel(turned, 0, 0), cell(0, 99));
    EXPECT_EQ(pixel(turned, 99, 0), cell(0, 0));
    run_pin_command(pin, PIN_CMD_TRANSFORM_FIRST + 0);  // and back
    EXPECT_EQ(rect_of(pin).width(), 602);
    EXPECT_EQ(pixel(*record(pin).base_image, 5, 7), cell(5, 7));
}

TEST_F(PinActions, TransformsWorkOnThePixelsOfTheShownImage) {
    struct Case {
        uint32_t command;
        std::vector<uint32_t> want;  // 3 x 2, rows top to bottom
    };
    const uint32_t a = cell(0, 0), b = cell(1, 0), c = cell(2, 0), d = cell(0, 1), e = cell(1, 1), f = cell(2, 1);
    auto grey = [](uint32_t p) {
        return ((77 * ((p >> 16) & 0xFF) + 150 * ((p >> 8) & 0xFF) + 29 * (p & 0xFF)) >> 8) * 0x010101u;
    };
    const Case cases[] = {
        {PIN_CMD_TRANSFORM_FIRST + 2, {c, b, a, f, e, d}},
        {PIN_CMD_TRANSFORM_FIRST + 3, {d, e, f, a, b, c}},
        {PIN_CMD_TRANSFORM_FIRST + 4, {grey(a), grey(b), grey(c), grey(d), grey(e), grey(f)}},
        {PIN_CMD_TRANSFORM_FIRST + 5, {~a & 0xFFFFFFu, ~b & 0xFFFFFFu, ~c & 0xFFFFFFu, ~d & 0xFFFFFFu, ~e & 0xFFFFFFu,
                                       ~f & 0xFFFFFFu}},
    };
    const HWND pin = create_pin(make_image(3, 2, cell), {}, 10, 10, 1.0f, 100);
    for (const Case& t : cases) {
        record(pin).base_image = make_image(3, 2, cell);
        run_pin_command(pin, t.command);
        EXPECT_EQ(base_pixels(pin), t.want) << t.command;
        EXPECT_EQ(rect_of(pin), (Rect{10, 10, 15, 14})) << t.command;
    }
    // Red turns 0x4C4C4C.
    record(pin).base_image = solid_image(3, 2, 0x00FF0000);
    transform_pin_image(pin, PinImageOp::Grayscale);
    EXPECT_EQ(base_pixels(pin)[0], 0x4C4C4Cu);
}

TEST_F(PinActions, ATransformDropsHiddenAnnotationsAndTakesShownOnesIntoThePicture) {
    for (const bool shown : {false, true}) {
        // A blue rectangle filling the whole picture.
        const HWND pin = create_pin(solid_image(4, 4, 0x00FFFFFF),
                                    {shape(Tool::Rectangle, {{-2, -2}, {6, 6}}, 0xFF0000FF, true)}, 10, 10, 1.0f, 100);
        ASSERT_TRUE(record(pin).annotated_image);
        EXPECT_EQ(pixel(*painted(pin), 2, 2), 0x0000FFu);
        if (!shown) run_pin_command(pin, PIN_CMD_TOGGLE_ANNOTATIONS);
        EXPECT_EQ(record(pin).show_annotations, shown);
        run_pin_command(pin, PIN_CMD_TRANSFORM_FIRST + 2);
        EXPECT_TRUE(record(pin).annotations.empty());
        EXPECT_FALSE(record(pin).annotated_image);
        EXPECT_TRUE(record(pin).show_annotations);
        EXPECT_EQ(base_pixels(pin)[0], shown ? 0x0000FFu : 0xFFFFFFu) << shown;
        DestroyWindow(pin);
    }
}

TEST_F(PinActions, CopyPutsTheShownImageOnTheClipboard) {
    const HWND pin = create_pin(solid_image(5, 4, 0x00123456), {}, 10, 10, 2.0f, 100);
    {
        const HeldKeys ctrl(true, false);
        send_key(pin, 'C');
    }
    EXPECT_EQ(clipboard_first_pixel(), 0x123456u);
    record(pin).annotations = {at_points({{0, 0}})};
    record(pin).annotated_image = solid_image(5, 4, 0x00ABCDEF);
    run_pin_command(pin, PIN_CMD_COPY);
    EXPECT_EQ(clipboard_first_pixel(), 0xABCDEFu);
}

TEST_F(PinActions, PrintingWithoutAPrinterLogsWhyAndAFailedStartDrawsNothing) {
    const HWND pin = create_pin(solid_image(8, 8, 0x00FF0000), {}, 10, 10, 1.0f, 100);
    {
        LogCapture log;
        const UINT_PTR timer = SetTimer(nullptr, 0, 300, press_ok);
        run_pin_command(pin, PIN_CMD_PRINT);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(log.has("print dialog ended without printing: 0x")) << log.text();
    }
    EXPECT_TRUE(IsWindow(pin));
    // A DC that is not a printer's: StartDoc fails, nothing is drawn on it.
    std::optional<DibBitmap> target = DibBitmap::create(16, 16);
    ASSERT_TRUE(target);
    const Status printed = print_bitmap(target->hdc(), *record(pin).base_image);
    ASSERT_FALSE(printed);
    ASSERT_TRUE(printed.error().code);  // the system's reason goes with the step
    EXPECT_EQ(printed.error().message,
              "StartDoc failed: " + system_message(static_cast<DWORD>(*printed.error().code)));
    GdiFlush();
    for (uint32_t p : target->pixels()) EXPECT_EQ(p, 0u);
}

TEST_F(PinActions, AnActionWhoseImageCopyCannotBeMadeSaysSoAndLeavesThePin) {
    const HWND pin = create_pin(solid_image(8, 6, 0x00123456), {}, 10, 10, 1.0f, 100);
    const std::string program = "Ormick Oxel";
    const struct {
        uint32_t command;
        std::string title;
    } cases[] = {
        {PIN_CMD_COPY, ui_text(COPY_FAILED)},
        {PIN_CMD_SAVE_AS, ui_text(SAVE_FAILED)},
        {PIN_CMD_PRINT, ui_text(PRINT_FAILED)},
        {PIN_CMD_ANNOTATE, program},
        {PIN_CMD_RECOGNIZE_TEXT, program},
        {PIN_CMD_TRANSFORM_FIRST + 0, program},  // rotate
        {PIN_CMD_TRANSFORM_FIRST + 5, program},  // invert
    };
    for (const auto& c : cases) {
        LogCapture log;
        {
            const GdiExhausted full;
            // Were a copy still made, Save As and Print would open their dialogs here.
            ASSERT_FALSE(DibBitmap::create(8, 6)) << "GDI objects could not be used up";
            run_pin_command(pin, c.command);
        }
        EXPECT_TRUE(log.has("balloon: " + c.title + " | " + system_message(ERROR_NOT_ENOUGH_MEMORY)))
            << c.command << "\n" << log.text();
        EXPECT_TRUE(IsWindowVisible(pin)) << c.command;
        EXPECT_FALSE(session_open()) << c.command;
        EXPECT_EQ(record(pin).base_image->width, 8) << c.command;
    }
}

TEST_F(PinActions, APinWhoseWindowCannotBeMadeSaysSo) {
    DestroyWindow(create_pin(solid_image(8, 6, 0), {}, 10, 10, 1.0f, 100));
    ASSERT_FALSE(closed_pins_empty());
    ASSERT_TRUE(UnregisterClassW(PIN_WINDOW_CLASS.name, GetModuleHandleW(nullptr)));
    HWND pin = nullptr;
    const std::function<void()> makers[] = {[&] { pin = pin_image_at_cursor(solid_image(8, 6, 0)); },
                                            [] { restore_last_closed_pin(); }};
    for (const auto& make : makers) {
        LogCapture log;
        make();
        // The system's reason, not a guess: Windows and Wine name a missing class differently.
        EXPECT_TRUE(log.has("balloon: Ormick Oxel | " + system_message(ERROR_CANNOT_FIND_WND_CLASS)) ||
                    log.has("balloon: Ormick Oxel | " + system_message(ERROR_CLASS_DOES_NOT_EXIST)))
            << log.text();
    }
    register_window_classes();
    EXPECT_EQ(pin, nullptr);
    EXPECT_TRUE(pin_windows().empty());
    EXPECT_FALSE(closed_pins_empty());  // the closed pin can still be restored
    EXPECT_NE(pin_image_at(solid_image(8, 6, 0), 20, 20), nullptr);
}

TEST_F(PinActions, AnnotateHandsTheImageInsideTheBorderToTheOverlayAndTheEditComesBackOnce) {
    const HWND pin = create_pin(solid_image(60, 40, 0x00408020), {at_points({{5, 6}, {7, 8}})}, 200, 150, 1.0f, 100);
    record(pin).show_annotations = false;
    send_key(pin, VK_SPACE);
    ASSERT_TRUE(session_open());
    EXPECT_FALSE(IsWindowVisible(pin));
    {
        auto cell = OVERLAY_SESSION.borrow();
        const OverlayState& s = **cell;
        const int32_t ox = s.origin_x(), oy = s.origin_y();
        ASSERT_TRUE(s.pin_edit);
        EXPECT_EQ(s.pin_edit->pin, pin);
        EXPECT_EQ(s.editor.selection, (Rect{201 - ox, 151 - oy, 261 - ox, 191 - oy}));
        ASSERT_EQ(s.editor.annotations.size(), 1u);
        EXPECT_EQ(s.editor.annotations[0].points[0], (AnnotationPoint{static_cast<float>(206 - ox), static_cast<float>(157 - oy)}));
    }
    // A second edit while this one shows: the pin is shown again and nothing else happens.
    const HWND other = create_pin(solid_image(10, 10, 0), {}, 500, 500, 1.0f, 100);
    annotate_pin(other);
    EXPECT_TRUE(IsWindowVisible(other));

    // The finished edit is in pin coordinates already: it is written back as it stands.
    {
        auto cell = OVERLAY_SESSION.borrow();
        (*cell)->editor.edited = std::vector<Annotation>{at_points({{1, 2}}), at_points({{30, 20}, {40, 30}})};
        (*cell)->pin_edit->outcome = PinEditOutcome::Copy;
    }
    end_capture(OVERLAY_HWND.get(), true);
    EXPECT_FALSE(session_open());
    EXPECT_TRUE(IsWindowVisible(pin));
    EXPECT_EQ(record(pin).annotations, (std::vector<Annotation>{at_points({{1, 2}}), at_points({{30, 20}, {40, 30}})}));
    EXPECT_TRUE(record(pin).show_annotations);
    EXPECT_EQ(clipboard_first_pixel(), 0x408020u);
    EXPECT_EQ(rect_of(pin), (Rect{200, 150, 262, 192}));
}

TEST_F(PinActions, APinClosedDuringItsEditIsNotBroughtBack) {
    const HWND pin = create_pin(solid_image(20, 20, 0x00FFFFFF), {}, 100, 100, 1.0f, 100);
    annotate_pin(pin);
    ASSERT_TRUE(session_open());
    DestroyWindow(pin);
    {
        auto cell = OVERLAY_SESSION.borrow();
        (*cell)->editor.edited = std::vector<Annotation>{at_points({{1, 2}})};
        (*cell)->pin_edit->outcome = PinEditOutcome::Save;  // would open Save As if the pin were there
    }
    end_capture(OVERLAY_HWND.get(), true);
    EXPECT_FALSE(session_open());
    EXPECT_TRUE(pin_windows().empty());
    ASSERT_EQ(CLOSED_PINS.borrow()->size(), 1u);
    EXPECT_TRUE(CLOSED_PINS.borrow()->back().annotations.empty());
}

TEST_F(PinActions, RecognitionGetsTheBaseImageAndThePinsPlace) {
    const HWND pin = create_pin(solid_image(40, 20, 0x00112233), {at_points({{1, 1}})}, 300, 200, 2.0f, 100);
    record(pin).annotated_image = solid_image(40, 20, 0x00445566);
    send_key(pin, 'O');
    MSG m{};
    bool got = false;
    for (const ULONGLONG end = GetTickCount64() + 20000; !got && GetTickCount64() < end; Sleep(5))
        got = PeekMessageW(&m, window_, WM_APP_OCR_DONE, WM_APP_OCR_DONE, PM_REMOVE);
    ASSERT_TRUE(got);
    const std::unique_ptr<OcrJobResult> job = take_result<OcrJobResult>(m.lParam);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->placement, (Rect{300, 200, 382, 242}));
    ASSERT_EQ(job->image.width, 40 * 2 + 32);  // the prepared image: doubled inside a margin
    const size_t middle = static_cast<size_t>(job->image.height / 2) * static_cast<size_t>(job->image.width) +
                          static_cast<size_t>(job->image.width / 2);
    EXPECT_EQ(job->image.pixels[middle] & 0xFFFFFFu, 0x112233u);
}

TEST_F(PinActions, AnAnnotatedPinShowsWhatRenderingDrawsOnItsImageAndHidesItOnRequest) {
    const auto gradient = [](int32_t x, int32_t y) { return uint32_t(0x00204060 + 0x030000 * x + 0x000502 * y); };
    const std::vector<Annotation> list = {
        shape(Tool::Rectangle, {{3, 3}, {20, 12}}, 0xFFE03020, true),
        shape(Tool::Arrow, {{5, 25}, {35, 8}}, 0xFF2040E0),
        shape(Tool::Ellipse, {{22, 14}, {38, 28}}, 0xC000A000),
        [] {
            Annotation m = shape(Tool::Mosaic, {{0, 14}, {30, 29}});
            m.boxed = true;
            return m;
        }(),
    };
    const HWND pin = create_pin(make_image(40, 30, gradient), list, 100, 100, 1.0f, 100);
    // What rendering draws on a copy of the image, with a fresh cache over all of it.
    const DibBitmap image = make_image(40, 30, gradient);
    std::optional<DibBitmap> want = crop_bitmap(image, Rect{0, 0, 40, 30});
    ASSERT_TRUE(want);
    MosaicCache cache(Rect{0, 0, 40, 30});
    ASSERT_TRUE(draw_annotations(want->hdc(), std::nullopt, 0, 0, list, nullptr, image, cache));
    GdiFlush();

    std::optional<DibBitmap> shot = painted(pin);
    ASSERT_TRUE(shot);
    int differing = 0, annotated = 0;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            differing += pixel(*shot, x + 1, y + 1) != pixel(*want, x, y);
            annotated += pixel(*want, x, y) != (gradient(x, y) & 0xFFFFFFu);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(annotated, 300);  // the annotations did cover part of the image

    run_pin_command(pin, PIN_CMD_TOGGLE_ANNOTATIONS);  // Hide annotations
    shot = painted(pin);
    differing = 0;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) differing += pixel(*shot, x + 1, y + 1) != (gradient(x, y) & 0xFFFFFFu);
    EXPECT_EQ(differing, 0);
}

TEST_F(PinActions, AnnotationsThatCannotBeDrawnAreRefusedRatherThanShownUndrawn) {
    Annotation blur = shape(Tool::Mosaic, {{2, 2}, {30, 20}});
    blur.boxed = true;
    blur.blur = true;
    const HWND pin = create_pin(solid_image(40, 30, 0x00123456), {at_points({{1, 1}, {5, 5}})}, 10, 10, 1.0f, 100);
    ASSERT_TRUE(pin);
    const DibBitmap* before = record(pin).shown_image();
    DibBitmap other = solid_image(40, 30, 0);
    LogCapture log;
    {
        const GdiExhausted full;
        EXPECT_EQ(create_pin(std::move(other), {blur}, 60, 60, 1.0f, 100), nullptr);
        EXPECT_FALSE(write_pin_annotations(pin, {blur}));
    }
    EXPECT_EQ(pin_windows().size(), 1u);
    // The pin keeps what it showed.
    EXPECT_EQ(record(pin).annotations.size(), 1u);
    EXPECT_EQ(record(pin).annotations[0].kind, Tool::Rectangle);
    EXPECT_EQ(record(pin).shown_image(), before);
    EXPECT_TRUE(log.has("balloon: Ormick Oxel | " + system_message(ERROR_NOT_ENOUGH_MEMORY))) << log.text();
}

TEST_F(PinActions, ATallImagePinnedWithinAnAreaFitsInsideIt) {
    // A work area above a 40-pixel taskbar: the pin's window, border included, stays inside it.
    const Rect work{0, 0, 1024, 728};
    const HWND pin = pin_image_within(solid_image(300, 3000, 0x00FFFFFF), 500, 100, work);
    ASSERT_NE(pin, nullptr);
    RECT r{};
    ASSERT_TRUE(GetWindowRect(pin, &r));
    EXPECT_GE(r.top, work.t);
    EXPECT_LE(r.bottom, work.b);
    EXPECT_EQ(r.left, 500);
    EXPECT_LT(r.bottom - r.top, 728);
}
