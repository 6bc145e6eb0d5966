// The region frame's windows under Wine: placement, styles, the ring's hole, painting, repaints,
// and the events its callback gets, also when the callback hides or replaces the frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "frame/frame_win.h"
#include "win/handles.h"

#include "support/test_support_win.h"

namespace {

std::vector<FrameEvent> EVENTS;
void record_event(FrameEvent e) { EVENTS.push_back(e); }
void hide_on_event(FrameEvent e) {
    EVENTS.push_back(e);
    frame_hide();
}
void show_again_on_event(FrameEvent e) {
    EVENTS.push_back(e);
    FrameSpec spec;
    spec.buttons = {{7, "Again"}};
    spec.on_event = record_event;
    frame_show({50, 50, 250, 150}, std::move(spec));
}

FrameSpec spec_with(FrameCallback callback, bool preview = false, bool focus = false) {
    FrameSpec spec;
    spec.buttons = {{1, "Cancel"}, {2, "Stop"}};
    spec.on_event = callback;
    spec.accent = FRAME_ACCENT_RECORD;
    spec.show_preview = preview;
    spec.take_focus = focus;
    return spec;
}

std::vector<HWND> frame_windows() { return test_support::thread_windows_of_class(L"OrmickOxelFrame"); }

int STRIP_PAINTS = 0;
WNDPROC STRIP_PROC = nullptr;
LRESULT CALLBACK counting_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) ++STRIP_PAINTS;
    return CallWindowProcW(STRIP_PROC, w, m, wp, lp);
}

class FrameTest : public testing::Test {
protected:
    void SetUp() override {
        register_window_class(FRAME_WINDOW_CLASS);
        EVENTS.clear();
    }
    void TearDown() override { frame_hide(); }
};

}  // namespace

TEST_F(FrameTest, WindowsAroundTheRectangle) {
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(record_event, true)));
    EXPECT_TRUE(frame_is_shown());
    const HWND strip = frame_strip_hwnd();
    const HWND preview = frame_preview_hwnd();
    ASSERT_TRUE(strip);
    ASSERT_TRUE(preview);
    EXPECT_EQ(frame_windows().size(), 3u);
    const Rect s = test_support::window_rect(strip);
    EXPECT_EQ(s.t, 510);  // ring bottom 502 + 8
    EXPECT_EQ(s.r, 602);
    EXPECT_EQ(s.height(), 42);
    EXPECT_EQ(test_support::window_rect(preview), (Rect{610, 200, 760, 500}));
    EXPECT_TRUE(GetWindowLongPtrW(strip, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongPtrW(strip, GWL_EXSTYLE) & WS_EX_TOPMOST);

    for (HWND w : frame_windows()) {
        if (w == strip || w == preview) continue;
        EXPECT_EQ(test_support::window_rect(w), (Rect{198, 198, 602, 502}));
        const LONG_PTR ex = GetWindowLongPtrW(w, GWL_EXSTYLE);
        EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE),
                  WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE);
        Region region(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(w, region.get()), ERROR);
        EXPECT_TRUE(PtInRegion(region.get(), 1, 1));
        EXPECT_TRUE(PtInRegion(region.get(), 402, 300));
        EXPECT_FALSE(PtInRegion(region.get(), 2, 2));  // the hole starts at B
        EXPECT_FALSE(PtInRegion(region.get(), 200, 150));
    }
    frame_hide();
    EXPECT_FALSE(frame_is_shown());
    EXPECT_TRUE(frame_windows().empty());
    EXPECT_EQ(frame_strip_hwnd(), nullptr);
}

TEST_F(FrameTest, FocusAndNoPreview) {
    ASSERT_TRUE(frame_show({1700, 100, 1910, 300}, spec_with(record_event, true, true)));
    EXPECT_FALSE(GetWindowLongPtrW(frame_strip_hwnd(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(test_support::window_rect(frame_preview_hwnd()).r, 1700 - 2 - 8);  // left of the ring
    ASSERT_TRUE(frame_show({10, 100, 1910, 300}, spec_with(record_event, true)));
    EXPECT_EQ(frame_preview_hwnd(), nullptr);  // no room on either side
    EXPECT_EQ(frame_windows().size(), 2u);
}

TEST_F(FrameTest, PaintsStripButtonsAndRing) {
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(record_event)));
    frame_set_status("Recording", false);
    test_support::pump_messages_for(150);
    const Rect s = test_support::window_rect(frame_strip_hwnd());
    WindowDc screen(nullptr);
    const auto rgb = [&](int x, int y) { return GetPixel(screen.get(), x, y) & 0xFFFFFF; };
    EXPECT_EQ(rgb(s.l + 3, s.t + 3), 0xFDFCFCu);    // background
    EXPECT_EQ(rgb(s.l, s.t + 20), 0xD6D0CDu);       // outline
    EXPECT_EQ(rgb(s.r - 12, s.t + 8), 0xFF7F2Bu);   // Stop, the primary button
    EXPECT_EQ(rgb(s.l + 180, s.t + 8), 0xF5F1F0u);  // Cancel
    EXPECT_EQ(rgb(199, 350), FRAME_ACCENT_RECORD);  // the ring
    EXPECT_NE(rgb(205, 350), FRAME_ACCENT_RECORD);  // not inside it
}

TEST_F(FrameTest, TheSameStatusTwiceRepaintsOnce) {
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(record_event)));
    const HWND strip = frame_strip_hwnd();
    STRIP_PROC = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(strip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting_proc)));
    test_support::pump_messages_for(100);
    STRIP_PAINTS = 0;
    frame_set_status("\xE2\x97\x8F Recording  00:01", false);
    test_support::pump_messages_for(100);
    frame_set_status("\xE2\x97\x8F Recording  00:01", false);
    test_support::pump_messages_for(100);
    EXPECT_EQ(STRIP_PAINTS, 1);
    frame_set_status("\xE2\x97\x8F Recording  00:01", true);  // the alert flag alone counts
    test_support::pump_messages_for(100);
    EXPECT_EQ(STRIP_PAINTS, 2);
    SetWindowLongPtrW(strip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(STRIP_PROC));
}

TEST_F(FrameTest, EventsReachTheCallback) {
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(record_event)));
    const HWND strip = frame_strip_hwnd();
    RECT client{};
    GetClientRect(strip, &client);
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(190, 21));            // Cancel
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 12, 21));  // Stop
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(100, 21));            // the status text
    SendMessageW(strip, WM_LBUTTONDOWN, 0, MAKELPARAM(190, 21));          // a press does nothing
    SendMessageW(strip, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(strip, WM_TIMER, FRAME_TICK_TIMER, 0);
    SendMessageW(strip, WM_TIMER, 9, 0);  // not the frame's timer
    ASSERT_EQ(EVENTS.size(), 4u);
    EXPECT_EQ(EVENTS[0].kind, FRAME_EVENT_BUTTON);
    EXPECT_EQ(EVENTS[0].id, 1u);
    EXPECT_EQ(EVENTS[1].kind, FRAME_EVENT_BUTTON);
    EXPECT_EQ(EVENTS[1].id, 2u);
    EXPECT_EQ(EVENTS[2].kind, FRAME_EVENT_KEY);
    EXPECT_EQ(EVENTS[2].key, VK_ESCAPE);
    EXPECT_EQ(EVENTS[3].kind, FRAME_EVENT_TICK);
}

TEST_F(FrameTest, ACallbackMayHideOrReplaceTheFrame) {
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(hide_on_event)));
    SendMessageW(frame_strip_hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(190, 21));
    EXPECT_EQ(EVENTS.size(), 1u);
    EXPECT_FALSE(frame_is_shown());
    EXPECT_TRUE(frame_windows().empty());

    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(show_again_on_event)));
    const HWND first = frame_strip_hwnd();
    SendMessageW(first, WM_TIMER, 1, 0);
    ASSERT_TRUE(frame_is_shown());
    EXPECT_NE(frame_strip_hwnd(), first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(test_support::window_rect(frame_strip_hwnd()).t, 160);
    SendMessageW(frame_strip_hwnd(), WM_TIMER, 1, 0);  // the new frame's own callback
    EXPECT_EQ(EVENTS.size(), 3u);
}

TEST_F(FrameTest, ClosingOrDestroyingAnyWindowIsOneCloseEvent) {
    // WM_CLOSE, Alt+F4 (SC_CLOSE) on the strip, and a window destroyed behind frame_hide's back:
    // the feature is told once, and its Cancel takes down what is left.
    const std::function<void()> routes[] = {
        [] { SendMessageW(frame_strip_hwnd(), WM_CLOSE, 0, 0); },
        [] { SendMessageW(frame_strip_hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); },
        [] { DestroyWindow(frame_preview_hwnd()); },
        [] { DestroyWindow(frame_strip_hwnd()); },
    };
    for (const auto& route : routes) {
        EVENTS.clear();
        ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(hide_on_event, true, true)));
        route();
        ASSERT_EQ(EVENTS.size(), 1u);
        EXPECT_EQ(EVENTS[0].kind, FRAME_EVENT_CLOSE);
        EXPECT_FALSE(frame_is_shown());
        EXPECT_TRUE(frame_windows().empty());
    }
    // A callback that ignores it leaves the frame as it was.
    ASSERT_TRUE(frame_show({200, 200, 600, 500}, spec_with(record_event)));
    SendMessageW(frame_strip_hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(frame_is_shown());
    EXPECT_TRUE(IsWindow(frame_strip_hwnd()));
}

TEST_F(FrameTest, NothingHappensWithoutAFrame) {
    frame_hide();
    frame_set_status("x", true);
    frame_set_preview(std::nullopt);
    EXPECT_FALSE(frame_is_shown());
    EXPECT_EQ(frame_strip_hwnd(), nullptr);
    EXPECT_EQ(frame_preview_hwnd(), nullptr);
}
