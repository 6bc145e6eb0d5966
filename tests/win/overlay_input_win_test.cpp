// The overlay's window procedure driven with its own messages on a real session under Wine:
// the mouse-state machine, the toolbar, keys, the composed output and the scan's answers.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture/capture_win.h"
#include "capture/overlay_actions_win.h"
#include "capture/overlay_output_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/session_win.h"
#include "pin/pins_win.h"
#include "redact/redact_types.h"
#include "settings/settings_win.h"
#include "util/record_registry.h"
#include "win/error.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "strings/ui_strings.h"
#include "support/main_window_support_win.h"
#include "support/test_support_win.h"

namespace {

using namespace test_support;

bool session_open() { return OVERLAY_SESSION.borrow()->has_value(); }

template <class F>
auto with_state(F f) {
    auto cell = OVERLAY_SESSION.borrow();
    return f(**cell);
}

LPARAM at(int32_t x, int32_t y) { return MAKELPARAM(x, y); }

class OverlayInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = create_test_popup({L"OrmickOxelInputTestWindow", DefWindowProcW,
                                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))},
                                    {200, 150, 600, 450});
        ShowWindow(target_, SW_SHOWNA);
        pump_messages_for(30);
        begin_capture(std::nullopt);
        ASSERT_TRUE(session_open());
        overlay_ = OVERLAY_HWND.get();
        origin_ = with_state([](OverlayState& s) { return POINT{s.origin_x(), s.origin_y()}; });
    }
    void TearDown() override {
        if (session_open()) end_capture(overlay_, false);
        DestroyWindow(target_);
    }
    // Overlay coordinates of a screen point.
    int32_t ox(int32_t x) const { return x - origin_.x; }
    int32_t oy(int32_t y) const { return y - origin_.y; }
    void send(UINT m, WPARAM w = 0, LPARAM l = 0) { SendMessageW(overlay_, m, w, l); }
    void drag(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, at(x0, y0));
        send(WM_MOUSEMOVE, MK_LBUTTON, at((x0 + x1) / 2, (y0 + y1) / 2));
        send(WM_MOUSEMOVE, MK_LBUTTON, at(x1, y1));
        send(WM_LBUTTONUP, 0, at(x1, y1));
    }
    std::optional<Rect> selection() {
        return with_state([](OverlayState& s) { return s.selection.rect; });
    }
    void key(WPARAM vk, bool ctrl = false, bool shift = false) {
        HeldKeys held(ctrl, shift);
        send(WM_KEYDOWN, vk, 1);
    }

    ScratchEnvFolder local_{"overlay-input", {"LOCALAPPDATA"}};
    HWND target_ = nullptr;
    HWND overlay_ = nullptr;
    POINT origin_{};
};

}  // namespace

TEST_F(OverlayInputTest, DragsSelectBothCornersAndAClickTakesTheWindowUnderIt) {
    drag(500, 400, 300, 250);  // right to left
    EXPECT_EQ(selection(), (Rect{300, 250, 501, 401}));
    send(WM_RBUTTONUP);  // drops the selection
    EXPECT_EQ(selection(), std::nullopt);
    // A press and release 3 pixels apart is a click: the window under it.
    send(WM_MOUSEMOVE, 0, at(ox(400), oy(300)));
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(ox(400), oy(300)));
    send(WM_MOUSEMOVE, MK_LBUTTON, at(ox(403), oy(297)));
    send(WM_LBUTTONUP, 0, at(ox(403), oy(297)));
    EXPECT_EQ(selection(), (Rect{ox(200), oy(150), ox(600), oy(450)}));
}

TEST_F(OverlayInputTest, TheSelectionMovesAndResizesOnlyWhileNothingIsDrawn) {
    drag(100, 100, 299, 199);
    ASSERT_EQ(selection(), (Rect{100, 100, 300, 200}));
    drag(150, 150, 180, 170);  // inside: moves
    EXPECT_EQ(selection(), (Rect{130, 120, 330, 220}));
    drag(330, 170, 100, 170);  // the right edge across the left one
    EXPECT_EQ(selection(), (Rect{100, 120, 130, 220}));
    key('R');
    drag(105, 130, 125, 210);  // a rectangle inside
    key('R');                  // no tool again
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 1u);
    drag(110, 125, 140, 160);  // not on the annotation: the selection stays
    EXPECT_EQ(selection(), (Rect{100, 120, 130, 220}));
}

TEST_F(OverlayInputTest, RightButtonEndsTheToolThenDropsTheSelectionThenCloses) {
    drag(100, 100, 299, 199);
    key('E');
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.tool; }), Tool::Ellipse);
    send(WM_RBUTTONUP);
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.tool; }), Tool::None);
    EXPECT_TRUE(selection().has_value());
    send(WM_RBUTTONUP);
    EXPECT_FALSE(selection().has_value());
    EXPECT_TRUE(session_open());
    send(WM_RBUTTONUP);
    EXPECT_FALSE(session_open());
}

TEST_F(OverlayInputTest, AToolbarButtonActsOnlyWhenReleasedOverIt) {
    drag(300, 300, 699, 499);
    const std::optional<ToolbarLayout> layout = with_state([](OverlayState& s) { return place_toolbar(s); });
    ASSERT_TRUE(layout);
    auto centre = [&](ToolbarItem item) {
        for (const ToolbarButton& b : layout->items)
            if (b.id == item) return at((b.rect.l + b.rect.r) / 2, (b.rect.t + b.rect.b) / 2);
        ADD_FAILURE() << "no item " << int(item);
        return LPARAM{0};
    };
    send(WM_LBUTTONDOWN, MK_LBUTTON, centre(ToolbarItem::Pen));
    send(WM_MOUSEMOVE, MK_LBUTTON, at(10, 10));
    send(WM_LBUTTONUP, 0, at(10, 10));
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.tool; }), Tool::None);
    send(WM_LBUTTONDOWN, MK_LBUTTON, centre(ToolbarItem::Pen));
    send(WM_LBUTTONUP, 0, centre(ToolbarItem::Pen));
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.tool; }), Tool::Pen);
    EXPECT_EQ(with_state([](OverlayState& s) { return s.selection.mouse_state; }), MouseState::Idle);
    send(WM_LBUTTONDOWN, MK_LBUTTON, centre(ToolbarItem::Cancel));
    send(WM_LBUTTONUP, 0, centre(ToolbarItem::Cancel));
    EXPECT_FALSE(session_open());
}

TEST_F(OverlayInputTest, KeysChooseToolsUndoAndMoveTheSelection) {
    drag(100, 100, 299, 199);
    key(VK_RIGHT, false, true);
    EXPECT_EQ(selection(), (Rect{110, 100, 310, 200}));
    key('L');
    key('L');
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.tool; }), Tool::None);
    key('B');
    drag(120, 120, 200, 180);
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 1u);
    key('Z', true);
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 0u);
    key('Z', true, true);
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 1u);
}

TEST_F(OverlayInputTest, ADoubleClickInsideTheSelectionCopiesIt) {
    drag(100, 100, 299, 199);
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(150, 150));
    send(WM_LBUTTONUP, 0, at(150, 150));
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(150, 150));
    EXPECT_FALSE(session_open());
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE h = GetClipboardData(CF_DIB);
    ASSERT_NE(h, nullptr);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(h));
    EXPECT_EQ(info->biWidth, 200);
    EXPECT_EQ(info->biHeight, 100);
    GlobalUnlock(h);
    CloseClipboard();
}

TEST_F(OverlayInputTest, ACopyTheClipboardRefusesKeepsTheCaptureAndSaysSo) {
    const LogCapture log;
    // The clipboard is opened for the main window; Wine lets a second thread open it for none.
    const HWND saved_main = MAIN_HWND.get();
    MAIN_HWND.set(target_);
    drag(100, 100, 299, 199);
    auto click = [&](int32_t x, int32_t y) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
        send(WM_LBUTTONUP, 0, at(x, y));
    };
    {
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        click(150, 150);
        send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(150, 150));
        EXPECT_TRUE(session_open());
        key('C');  // the colour under the cursor as text
        EXPECT_TRUE(session_open());
        // A line still being drawn is finished by the copy and must show at once.
        key('L');
        click(110, 180);
        click(140, 190);
        ValidateRect(overlay_, nullptr);
        // The action itself, as the Copy button runs it: a held Ctrl repaints on its own.
        run_overlay_action(overlay_, pack_action({OverlayAction::Copy}));
        EXPECT_TRUE(session_open());
        EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 1u);
        EXPECT_TRUE(GetUpdateRect(overlay_, nullptr, FALSE)) << "the finished line is repainted";
        key('L');
    }
    const std::vector<std::string> lines = log.messages();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         std::string("balloon: ") + ui_text(COPY_FAILED) + " | " + ui_text(CLIPBOARD_BUSY)),
              3)
        << log.text();
    // Once the clipboard is free the same command copies and ends the capture.
    click(150, 150);
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(150, 150));
    EXPECT_FALSE(session_open());
    MAIN_HWND.set(saved_main);
}

TEST_F(OverlayInputTest, AnOutputThatCannotBeMadeKeepsTheCaptureAndSaysSo) {
    const LogCapture log;
    const std::vector<HWND> pins_before = pin_windows();
    drag(100, 100, 299, 199);
    // A selection the frozen screen cannot give, as when memory is short: every crop fails.
    with_state([](OverlayState& s) { s.selection.rect = Rect{s.width() + 10, 0, s.width() + 60, 50}; });
    const struct {
        ActionCall call;
        std::string_view title;
    } cases[] = {
        {{OverlayAction::Copy}, ui_text(COPY_FAILED)},
        {{OverlayAction::Save, true}, ui_text(SAVE_FAILED)},
        {{OverlayAction::Pin}, PROGRAM_NAME},
        {{OverlayAction::RecognizeText}, PROGRAM_NAME},
        {{OverlayAction::DecodeQr}, PROGRAM_NAME},
    };
    const std::string why = system_message(ERROR_NOT_ENOUGH_MEMORY);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.call.action));
        const std::string line = "balloon: " + std::string(c.title) + " | " + why;
        const std::vector<std::string> before = log.messages();
        run_overlay_action(overlay_, pack_action(c.call));
        EXPECT_TRUE(session_open());
        const std::vector<std::string> after = log.messages();
        EXPECT_EQ(std::count(after.begin(), after.end(), line), std::count(before.begin(), before.end(), line) + 1)
            << log.text();
    }
    EXPECT_EQ(pin_windows(), pins_before);
}

TEST_F(OverlayInputTest, APinWhoseWindowCannotBeMadeKeepsTheCaptureAndSaysWhy) {
    register_window_class(PIN_WINDOW_CLASS);
    const std::vector<HWND> pins_before = pin_windows();
    drag(100, 100, 299, 199);
    ASSERT_TRUE(UnregisterClassW(PIN_WINDOW_CLASS.name, GetModuleHandleW(nullptr)));
    const LogCapture log;
    run_overlay_action(overlay_, pack_action({OverlayAction::Pin}));
    register_window_class(PIN_WINDOW_CLASS);
    EXPECT_TRUE(session_open());
    EXPECT_EQ(pin_windows(), pins_before);
    // The system's reason, not short memory: Windows and Wine name a missing class differently.
    EXPECT_TRUE(log.has("balloon: Ormick Oxel | " + system_message(ERROR_CANNOT_FIND_WND_CLASS)) ||
                log.has("balloon: Ormick Oxel | " + system_message(ERROR_CLASS_DOES_NOT_EXIST)))
        << log.text();
}

TEST_F(OverlayInputTest, ASaveThatFailsAfterTheOverlayClosedLeavesTheCaptureAsAPin) {
    const LogCapture log;
    const std::optional<std::string> saved_dir = SETTINGS.borrow()->save_dir;
    SETTINGS.borrow()->save_dir = "Z:\\proc";  // a folder where no file can be made
    const std::vector<HWND> pins_before = pin_windows();
    drag(100, 100, 299, 199);
    run_overlay_action(overlay_, pack_action({OverlayAction::Save, true}));
    SETTINGS.borrow()->save_dir = saved_dir;
    EXPECT_FALSE(session_open()) << "the overlay closes at once";
    EXPECT_TRUE(log.has("balloon: " + std::string(ui_text(SAVE_FAILED)) + " | ")) << log.text();
    const std::vector<HWND> pins = pin_windows();
    ASSERT_EQ(pins.size(), pins_before.size() + 1);
    // The image where the selection was, inside the pin's one-pixel border.
    EXPECT_EQ(window_rect(pins.back()), (Rect{origin_.x + 99, origin_.y + 99, origin_.x + 301, origin_.y + 201}));
    DestroyWindow(pins.back());
}

TEST_F(OverlayInputTest, TheOutputIsReusedOnlyWhileNothingChanged) {
    drag(100, 100, 299, 199);
    with_state([](OverlayState& s) {
        const DibBitmap* first = compose_output_image(s);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(compose_output_image(s), first) << "nothing changed: reused";
        const uint32_t before = first->bits[50 * 200 + 50] & 0xFFFFFF;
        Annotation a;
        a.kind = Tool::Rectangle;
        a.filled = true;
        a.color = 0xFF00FF00;
        a.points = {{140, 140}, {160, 160}};
        s.editor.annotations.push_back(a);
        const DibBitmap* second = compose_output_image(s);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->bits[50 * 200 + 50] & 0xFFFFFF, 0x00FF00u) << "the new annotation, at its place";
        EXPECT_NE(before, 0x00FF00u);
        s.selection.rect = Rect{100, 100, 200, 200};
        EXPECT_EQ(compose_output_image(s)->width, 100);
    });
}

TEST_F(OverlayInputTest, ScanAnswersAreTakenOnlyForTheRequestThatWaits) {
    drag(100, 100, 299, 199);
    const uint64_t id = with_state([](OverlayState& s) {
        s.redact.busy = true;
        s.redact.selection = *s.selection.rect;
        return s.selection.request_id;
    });
    auto post = [&](WPARAM request, std::vector<CoverRect> rects) {
        auto r = std::make_unique<RedactResult>(RedactResult{std::move(rects)});
        const RedactResult* raw = r.get();
        EXPECT_TRUE(post_result(overlay_, WM_APP_REDACT_DONE, request, std::move(r)));
        pump_messages_for(30);
        return raw;
    };
    const RedactResult* stale = post(id + 1, {{1, 1, 5, 5}});
    EXPECT_FALSE(record_registry_remove(stale, typeid(RedactResult))) << "a stale answer is taken and freed";
    EXPECT_TRUE(with_state([](OverlayState& s) { return s.redact.busy && s.editor.annotations.empty(); }));

    post(id, {{10.5f, 10.5f, 20, 5}, {30, 40, 10, 10}});
    with_state([](OverlayState& s) {
        EXPECT_FALSE(s.redact.busy);
        ASSERT_EQ(s.editor.annotations.size(), 2u);
        EXPECT_EQ(s.editor.annotations[0].points[0], (AnnotationPoint{110, 110}));
        EXPECT_EQ(s.editor.annotations[0].points[1], (AnnotationPoint{131, 116}));
        EXPECT_EQ(s.editor.undo_stack.size(), 1u) << "one undo step for the whole answer";
    });
    // A second answer for the same request finds no scan waiting.
    post(id, {{1, 1, 5, 5}});
    EXPECT_EQ(with_state([](OverlayState& s) { return s.editor.annotations.size(); }), 2u);
    end_capture(overlay_, false);
    const RedactResult* late = post(id, {{1, 1, 5, 5}});
    EXPECT_FALSE(record_registry_remove(late, typeid(RedactResult))) << "freed without a session";
}
