// Live pins under Wine. Wine has no DWM thumbnails, so making one fails there: nothing may be
// left on screen and the log and a balloon must say why. The window itself runs on a record
// with no thumbnail: size, zoom, opacity, keys, the copy of its view, and closing with its
// source.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "image/bitmap_ops_win.h"
#include "livepin/livepin_core.h"
#include "livepin/livepin_win.h"
#include "livepin/livepin_window_win.h"
#include "pin/pin_window_win.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/error.h"

#include "support/main_window_support_win.h"
#include "support/test_support_win.h"

namespace {

using namespace test_support;

constexpr COLORREF LEFT_COLOR = RGB(200, 30, 40);
constexpr COLORREF RIGHT_COLOR = RGB(20, 180, 60);

// A source that draws its left half in one colour and its right half in another, on screen
// and when printed.
void paint_source(HWND w, HDC dc) {
    RECT r{};
    GetClientRect(w, &r);
    const LONG mid = r.right / 2;
    RECT left{0, 0, mid, r.bottom}, right{mid, 0, r.right, r.bottom};
    Brush a(CreateSolidBrush(LEFT_COLOR)), b(CreateSolidBrush(RIGHT_COLOR));
    FillRect(dc, &left, a.get());
    FillRect(dc, &right, b.get());
}

LRESULT CALLBACK source_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PRINTCLIENT) {
        paint_source(w, reinterpret_cast<HDC>(wp));
        return 0;
    }
    if (m == WM_PAINT) {
        PaintDc dc(w);
        paint_source(w, dc.get());
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

std::vector<HWND> live_windows() { return thread_windows_of_class(L"OrmickOxelLive"); }

WPARAM wheel(int delta, bool ctrl) { return MAKEWPARAM(ctrl ? MK_CONTROL : 0, static_cast<WORD>(static_cast<short>(delta))); }

void set_ctrl(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

std::optional<DibBitmap> clipboard_bitmap() {
    for (int i = 0; i < 200 && !OpenClipboard(nullptr); ++i) Sleep(10);
    std::optional<DibBitmap> out;
    if (HANDLE h = GetClipboardData(CF_BITMAP)) out = bitmap_from_hbitmap(static_cast<HBITMAP>(h));
    CloseClipboard();
    return out;
}

// Set by the timer that ends a menu: whether a menu was on screen then.
bool MENU_SEEN = false;

void CALLBACK end_menu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) MENU_SEEN = true;
    EndMenu();
}

INPUT input_of(DWORD mouse_flags, WORD key, DWORD key_flags) {
    INPUT in{};
    if (key) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = key_flags;
    } else {
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = mouse_flags;
    }
    return in;
}

class LivePinTest : public ::testing::Test {
protected:
    void SetUp() override {
        register_window_class(LIVEPIN_WINDOW_CLASS);
        register_window_class(PIN_WINDOW_CLASS);
        source_ = create_test_popup({L"OrmickLiveSourceTest", source_proc}, SOURCE);
        ASSERT_NE(source_, nullptr);
        ShowWindow(source_, SW_SHOWNOACTIVATE);
        UpdateWindow(source_);
    }
    void TearDown() override {
        for (HWND w : live_windows()) DestroyWindow(w);
        if (IsWindow(source_)) DestroyWindow(source_);
        EXPECT_TRUE(LIVE_PINS.borrow()->empty());
    }
    // A running live pin of the area without a thumbnail.
    HWND start(const Rect& area) {
        const HWND w = create_live_window(source_, area, window_rect(source_));
        if (w) start_live_pin(w, nullptr);
        return w;
    }
    static constexpr Rect SOURCE{100, 100, 500, 400};
    HWND source_ = nullptr;
};

}  // namespace

TEST_F(LivePinTest, WithoutThumbnailsNothingStaysAndTheUserIsTold) {
    LogCapture log;
    open_live_pin(source_, {150, 160, 350, 260});
    EXPECT_TRUE(live_windows().empty());
    EXPECT_TRUE(LIVE_PINS.borrow()->empty());
    EXPECT_TRUE(log.has("live pin not made: DwmRegisterThumbnail: ")) << log.text();
    EXPECT_TRUE(log.has("(0x80004001)")) << log.text();  // E_NOTIMPL under Wine
    const std::string told = std::string(ui_text(LIVE_PIN_FAILED));
    const std::string balloon = "balloon: Ormick Oxel | " + told.substr(0, told.find("{name}")) + "DwmRegisterThumbnail";
    EXPECT_TRUE(log.has(balloon)) << log.text();

    // A source that is gone by the time the pin is made.
    const HWND gone = create_test_popup({L"OrmickLiveSourceTest", source_proc}, SOURCE);
    DestroyWindow(gone);
    open_live_pin(gone, {150, 160, 350, 260});
    EXPECT_TRUE(live_windows().empty());
    EXPECT_TRUE(log.has("live pin not made: GetWindowRect")) << log.text();
    EXPECT_TRUE(log.has(balloon.substr(0, balloon.find("DwmRegisterThumbnail")) + "GetWindowRect")) << log.text();

    // A source that has moved away from the selection.
    open_live_pin(source_, {600, 160, 700, 260});
    EXPECT_TRUE(live_windows().empty());
    EXPECT_TRUE(log.has("live pin not made: the selection is outside the window")) << log.text();
    EXPECT_TRUE(log.has("balloon: Ormick Oxel | " + std::string(ui_text(LIVE_PIN_HINT)))) << log.text();
}

TEST_F(LivePinTest, WindowOverTheAreaWithItsBorder) {
    const HWND live = start({150, 160, 350, 260});
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(window_rect(live), (Rect{149, 159, 351, 261}));
    EXPECT_TRUE(IsWindowVisible(live));
    const LONG_PTR ex = GetWindowLongPtrW(live, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    const LivePin* pin = find_live_pin(live);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->source, (Rect{50, 60, 250, 160}));
    EXPECT_EQ(SendMessageW(live, WM_NCHITTEST, 0, MAKELPARAM(200, 200)), HTCAPTION);

    RedrawWindow(live, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowDc dc(live);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), COLORREF{LIVEPIN_BORDER_COLOR});
    EXPECT_EQ(GetPixel(dc.get(), 201, 101), COLORREF{LIVEPIN_BORDER_COLOR});
}

TEST_F(LivePinTest, ARealRightClickOrTheMenuKeyOpensItsMenu) {
    struct Way {
        const char* what;
        std::vector<INPUT> input;
    };
    const Way ways[] = {
        {"right click", {input_of(MOUSEEVENTF_RIGHTDOWN, 0, 0), input_of(MOUSEEVENTF_RIGHTUP, 0, 0)}},
        {"menu key", {input_of(0, VK_APPS, 0), input_of(0, VK_APPS, KEYEVENTF_KEYUP)}},
    };
    for (const Way& way : ways) {
        const HWND live = start({150, 160, 350, 260});
        ASSERT_NE(live, nullptr);
        LogCapture log;
        MENU_SEEN = false;
        SetCursorPos(250, 210);
        pump_messages_for(100);
        // Through the system's input queue, so the window's hit test decides what the click is.
        ASSERT_EQ(SendInput(2, const_cast<INPUT*>(way.input.data()), sizeof(INPUT)), 2u) << way.what;
        // The menu is modal: the timer, run by the menu's own loop, ends it.
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, end_menu);
        for (int i = 0; i < 250 && !MENU_SEEN; ++i) pump_messages_for(20);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(MENU_SEEN) << way.what;
        EXPECT_TRUE(log.has("live pin menu: ")) << way.what << "\n" << log.text();
        EXPECT_TRUE(IsWindow(live)) << way.what;
        DestroyWindow(live);
    }
}

TEST_F(LivePinTest, WheelZoomsFromTheTopLeftAndCtrlWheelFades) {
    const HWND live = start({150, 160, 350, 260});
    ASSERT_NE(live, nullptr);
    struct Step {
        int delta;
        bool ctrl;
        Rect want;
        float scale;
        uint8_t opacity;
    };
    const Step steps[] = {
        {120, false, {149, 159, 371, 271}, 1.1f, 100},
        {-120, false, {149, 159, 351, 261}, 1.0f, 100},
        {-120, false, {149, 159, 333, 252}, 0.9090909f, 100},  // 181.8 x 90.9
        {-120, true, {149, 159, 333, 252}, 0.9090909f, 90},
        {120, true, {149, 159, 333, 252}, 0.9090909f, 100},
    };
    for (const Step& s : steps) {
        SendMessageW(live, WM_MOUSEWHEEL, wheel(s.delta, s.ctrl), MAKELPARAM(200, 200));
        EXPECT_EQ(window_rect(live), s.want) << s.delta << " " << s.ctrl;
        EXPECT_FLOAT_EQ(find_live_pin(live)->scale, s.scale);
        EXPECT_EQ(find_live_pin(live)->opacity, s.opacity);
    }
    for (int i = 0; i < 12; ++i) SendMessageW(live, WM_MOUSEWHEEL, wheel(-120, true), 0);
    EXPECT_EQ(find_live_pin(live)->opacity, 20);

    run_live_command(live, 160);
    EXPECT_EQ(find_live_pin(live)->opacity, 60);
    run_live_command(live, LIVE_CMD_ACTUAL_SIZE);
    EXPECT_EQ(window_rect(live), (Rect{149, 159, 351, 261}));
}

TEST_F(LivePinTest, SmallRegionKeepsEightPixels) {
    const HWND live = start({150, 160, 170, 170});
    ASSERT_NE(live, nullptr);
    for (int i = 0; i < 40; ++i) SendMessageW(live, WM_MOUSEWHEEL, wheel(-120, false), 0);
    EXPECT_FLOAT_EQ(find_live_pin(live)->scale, 0.1f);
    EXPECT_EQ(window_rect(live), (Rect{149, 159, 159, 169}));
}

TEST_F(LivePinTest, EscDoubleClickAndCloseEndIt) {
    const UINT ways[] = {WM_KEYDOWN, WM_NCLBUTTONDBLCLK, WM_COMMAND};
    for (UINT way : ways) {
        const HWND live = start({150, 160, 350, 260});
        ASSERT_NE(live, nullptr);
        if (way == WM_KEYDOWN) SendMessageW(live, WM_KEYDOWN, VK_ESCAPE, 0);
        else if (way == WM_NCLBUTTONDBLCLK) SendMessageW(live, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(200, 200));
        else run_live_command(live, LIVE_CMD_CLOSE);
        EXPECT_FALSE(IsWindow(live)) << way;
        EXPECT_TRUE(LIVE_PINS.borrow()->empty()) << way;
    }
}

TEST_F(LivePinTest, ClosesWithinASecondOfItsSource) {
    const HWND live = start({150, 160, 350, 260});
    ASSERT_NE(live, nullptr);
    pump_messages_for(1200);
    EXPECT_TRUE(IsWindow(live));
    DestroyWindow(source_);
    pump_messages_for(1200);
    EXPECT_FALSE(IsWindow(live));
    EXPECT_TRUE(LIVE_PINS.borrow()->empty());
}

TEST_F(LivePinTest, CtrlCCopiesTheRegionAsItLooksNow) {
    // Across the middle of the source: 50 columns of each colour.
    const HWND live = start({250, 200, 350, 240});
    ASSERT_NE(live, nullptr);
    set_ctrl(true);
    SendMessageW(live, WM_KEYDOWN, 'C', 0);
    set_ctrl(false);
    const std::optional<DibBitmap> copied = clipboard_bitmap();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->width, 100);
    EXPECT_EQ(copied->height, 40);
    EXPECT_EQ(bitmap_pixel(*copied, 0, 0), 0xC81E28u);
    EXPECT_EQ(bitmap_pixel(*copied, 49, 39), 0xC81E28u);
    EXPECT_EQ(bitmap_pixel(*copied, 50, 0), 0x14B43Cu);

    const std::optional<DibBitmap> view = livepin_grab_view(live);
    ASSERT_TRUE(view);
    EXPECT_EQ(bitmap_pixel(*view, 99, 39), 0x14B43Cu);
    // Near the top-left, where the minimised window's small rectangle would still hold the region.
    const HWND corner = start({102, 102, 112, 110});
    ASSERT_TRUE(livepin_grab_view(corner));
    ShowWindow(source_, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(source_));
    EXPECT_FALSE(livepin_grab_view(corner));  // a minimised source gives nothing
    EXPECT_FALSE(livepin_grab_view(live));
    ShowWindow(source_, SW_RESTORE);
    SetWindowPos(source_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(livepin_grab_view(live));  // a zero-size source gives nothing
}

// A source of another thread that stops answering: before the check (reads no message) or
// after it (stuck in its drawing). Either way the grab gives up instead of waiting with it.
// The owner's waits end after 10 s at the latest, so even a grab that waits cannot hang.
namespace {

HANDLE PRINT_STARTED = nullptr;
HANDLE PRINT_RELEASED = nullptr;
std::atomic<bool> HOLD_PRINT = false;

LRESULT CALLBACK stalling_source_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PRINTCLIENT && HOLD_PRINT) {
        SetEvent(PRINT_STARTED);
        WaitForSingleObject(PRINT_RELEASED, 10000);
    }
    return source_proc(w, m, wp, lp);
}

}  // namespace

TEST_F(LivePinTest, ASourceThatStopsAnsweringGivesNoViewUntilItAnswers) {
    Handle made(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle wake(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle started(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle released(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    PRINT_STARTED = started.get();
    PRINT_RELEASED = released.get();
    HWND busy = nullptr;
    std::thread owner([&] {
        busy = create_test_popup({L"OrmickLiveStallingSource", stalling_source_proc}, SOURCE);
        ShowWindow(busy, SW_SHOWNOACTIVATE);
        SetEvent(made.get());
        WaitForSingleObject(wake.get(), 10000);  // busy: reads no message meanwhile
        HANDLE h = done.get();
        while (MsgWaitForMultipleObjects(1, &h, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
            MSG m;
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        }
        DestroyWindow(busy);
    });
    WaitForSingleObject(made.get(), 10000);
    const HWND live = busy ? create_live_window(busy, {250, 200, 350, 240}, window_rect(busy)) : nullptr;
    if (live) start_live_pin(live, nullptr);

    const bool none_before_the_check = live && !livepin_grab_view(live);
    SetEvent(wake.get());
    if (live) SendMessageTimeoutW(busy, WM_NULL, 0, 0, 0, 10000, nullptr);  // reading messages again
    HOLD_PRINT = true;
    const bool none_while_drawing = live && !livepin_grab_view(live);
    const bool was_drawing = live && WaitForSingleObject(started.get(), 10000) == WAIT_OBJECT_0;
    HOLD_PRINT = false;
    SetEvent(released.get());
    // Answering again: a loaded machine may need more than one try within the limit.
    std::optional<DibBitmap> view;
    for (int i = 0; i < 50 && live && !view; ++i) view = livepin_grab_view(live);
    SetEvent(done.get());
    owner.join();

    ASSERT_NE(live, nullptr);
    EXPECT_TRUE(none_before_the_check);
    EXPECT_TRUE(none_while_drawing);
    EXPECT_TRUE(was_drawing);
    ASSERT_TRUE(view);
    EXPECT_EQ(bitmap_pixel(*view, 0, 0), 0xC81E28u);
    EXPECT_EQ(bitmap_pixel(*view, 99, 39), 0x14B43Cu);
}

TEST_F(LivePinTest, TurnIntoANormalPinWhereItWas) {
    const HWND live = start({250, 200, 350, 240});
    ASSERT_NE(live, nullptr);
    run_live_command(live, LIVE_CMD_MAKE_STATIC);
    EXPECT_FALSE(IsWindow(live));
    const std::vector<HWND> pins = pin_windows();
    ASSERT_EQ(pins.size(), 1u);
    EXPECT_EQ(window_rect(pins[0]), (Rect{249, 199, 351, 241}));
    const PinRecord* pin = find_pin(pins[0]);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(bitmap_pixel(*pin->base_image, 0, 0), 0xC81E28u);
    EXPECT_EQ(bitmap_pixel(*pin->base_image, 99, 39), 0x14B43Cu);
    DestroyWindow(pins[0]);

    // Without a view (a zero-size source) the live pin stays.
    const HWND still_live = start({250, 200, 350, 240});
    SetWindowPos(source_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    run_live_command(still_live, LIVE_CMD_MAKE_STATIC);
    EXPECT_TRUE(IsWindow(still_live));
    EXPECT_TRUE(pin_windows().empty());

    // A pin window that cannot be made: the live pin stays and the system's reason is told.
    SetWindowPos(source_, nullptr, 0, 0, SOURCE.width(), SOURCE.height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(UnregisterClassW(PIN_WINDOW_CLASS.name, GetModuleHandleW(nullptr)));
    LogCapture log;
    run_live_command(still_live, LIVE_CMD_MAKE_STATIC);
    register_window_class(PIN_WINDOW_CLASS);
    EXPECT_TRUE(IsWindow(still_live));
    EXPECT_TRUE(pin_windows().empty());
    // Windows and Wine name a missing class differently.
    EXPECT_TRUE(log.has("balloon: Ormick Oxel | " + system_message(ERROR_CANNOT_FIND_WND_CLASS)) ||
                log.has("balloon: Ormick Oxel | " + system_message(ERROR_CLASS_DOES_NOT_EXIST)))
        << log.text();
}
