// A scrolling capture under Wine over a window that shows the scroll target's picture: what
// refuses to start, scrolling by hand and by auto-scroll's wheel notches, the keys that end it,
// the copy on the clipboard, the output of the developer job, the dumped frames and the preview.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "../e2e/scroll_target/scroll_target_doc.h"
#include "dxgi/prewarm_timer_win.h"
#include "frame/frame_record_win.h"
#include "frame/frame_win.h"
#include "image/image_load_win.h"
#include "pin/pins_win.h"
#include "scroll/scroll_platform_win.h"
#include "scroll/scroll_win.h"
#include "strings/ui_strings.h"
#include "win/handles.h"
#include "win/main_window.h"

#include "support/test_support_win.h"

namespace st = scroll_target;

namespace {

using namespace test_support;

constexpr Rect TARGET{100, 120, 100 + st::CLIENT_WIDTH, 120 + st::CLIENT_HEIGHT};

// The target window: the picture at its scroll position; a wheel notch scrolls it 40 rows.
struct Target {
    int32_t scroll = 0;
    std::vector<uint32_t> picture;
    HWND window = nullptr;
};
Target TARGET_STATE;

void paint_picture() {
    TARGET_STATE.picture.resize(size_t{st::CLIENT_WIDTH} * st::CLIENT_HEIGHT);
    for (int32_t y = 0; y < st::CLIENT_HEIGHT; ++y)
        for (int32_t x = 0; x < st::CLIENT_WIDTH; ++x)
            TARGET_STATE.picture[size_t(y) * st::CLIENT_WIDTH + size_t(x)] = st::client_pixel(x, y, TARGET_STATE.scroll);
    InvalidateRect(TARGET_STATE.window, nullptr, FALSE);
    UpdateWindow(TARGET_STATE.window);
}

void scroll_target_by(int32_t notches) {
    TARGET_STATE.scroll = st::scrolled(TARGET_STATE.scroll, notches);
    paint_picture();
}

LRESULT CALLBACK target_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_MOUSEWHEEL: scroll_target_by(-GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const PaintDc paint(w);
            const BITMAPINFO info = top_down_dib_info(st::CLIENT_WIDTH, st::CLIENT_HEIGHT);
            SetDIBitsToDevice(paint.get(), 0, 0, st::CLIENT_WIDTH, st::CLIENT_HEIGHT, 0, 0, 0, st::CLIENT_HEIGHT,
                              TARGET_STATE.picture.data(), &info, DIB_RGB_COLORS);
            return 0;
        }
        default: return DefWindowProcW(w, m, wp, lp);
    }
}

bool equals_document(const uint32_t* pixels, int32_t width, int32_t height, bool bottom_up) {
    if (width != st::DOC_WIDTH || height != st::EXPECTED_ROWS) return false;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = pixels + size_t(bottom_up ? height - 1 - y : y) * size_t(width);
        for (int32_t x = 0; x < width; ++x)
            if ((row[x] & 0xFFFFFF) != st::expected_pixel(x, y)) return false;
    }
    return true;
}

std::optional<std::vector<uint8_t>> clipboard_dib() {
    for (int i = 0; i < 200 && !OpenClipboard(nullptr); ++i) Sleep(10);
    std::optional<std::vector<uint8_t>> out;
    if (HANDLE h = GetClipboardData(CF_DIB)) {
        GlobalLockGuard lock(h);
        if (lock) out.emplace(static_cast<const uint8_t*>(lock.get()), static_cast<const uint8_t*>(lock.get()) + GlobalSize(h));
    }
    CloseClipboard();
    return out;
}

void empty_clipboard() {
    for (int i = 0; i < 200 && !OpenClipboard(nullptr); ++i) Sleep(10);
    EmptyClipboard();
    CloseClipboard();
}

std::string frame_status() {
    auto frame = REGION_FRAME.borrow();
    return *frame ? (*frame)->status : std::string();
}

void key(uint16_t vk) {
    const HWND strip = frame_strip_hwnd();
    ASSERT_TRUE(strip);
    SendMessageW(strip, WM_KEYDOWN, vk, 0);
}

// Pumps messages until `done` holds, at most `ms`: timers run late on a busy machine.
template <class Done>
bool wait_for(Done done, DWORD ms = 3000) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!done() && GetTickCount64() < end) pump_messages_for(20);
    return done();
}

class ScrollSessionTest : public testing::Test {
protected:
    void SetUp() override {
        register_window_class(FRAME_WINDOW_CLASS);
        main_ = create_test_popup({L"OxelTestScrollMain"}, {0, 0, 10, 10});
        saved_main_ = MAIN_HWND.get();
        MAIN_HWND.set(main_);
        TARGET_STATE.scroll = 0;
        TARGET_STATE.window = create_test_popup({L"OxelTestScrollTarget", target_proc}, TARGET, WS_EX_TOPMOST);
        ASSERT_TRUE(TARGET_STATE.window);
        paint_picture();
        ShowWindow(TARGET_STATE.window, SW_SHOWNOACTIVATE);
        UpdateWindow(TARGET_STATE.window);
        pump_messages_for(50);
    }
    void TearDown() override {
        finish_scroll_capture(false, ScrollCommand::None);
        SCROLL_OUT.borrow()->reset();
        stop_prewarm_timer();
        DestroyWindow(TARGET_STATE.window);
        MAIN_HWND.set(saved_main_);
        DestroyWindow(main_);
    }

    // Starts over the target and waits past the warm-up for the first frame.
    void start() {
        start_scroll_capture(TARGET);
        ASSERT_TRUE(scroll_session_active());
        ASSERT_TRUE(wait_for([] { return scroll_result_image().has_value(); })) << "no first frame";
    }

    ScopedEnv gdi_{{"ORMICK_OXEL_GDI"}, std::string()};
    ScopedEnv no_dump_{{"ORMICK_OXEL_DUMP"}, std::nullopt};
    HWND main_ = nullptr;
    HWND saved_main_ = nullptr;
};

}  // namespace

TEST_F(ScrollSessionTest, NothingStartsOnATinyRegionOrBesideAnotherFrame) {
    for (const Rect& r : {Rect{200, 200, 400, 207}, Rect{200, 200, 207, 400}, Rect{200, 200, 100, 100}}) {
        start_scroll_capture(r);
        EXPECT_FALSE(scroll_session_active()) << r.r << "," << r.b;
        EXPECT_FALSE(frame_is_shown());
    }
    FrameSpec other;
    other.buttons = {{1, "Stop"}};
    ASSERT_TRUE(frame_show({300, 300, 500, 500}, std::move(other)));
    start_scroll_capture(TARGET);
    EXPECT_FALSE(scroll_session_active());
    frame_hide();

    start_scroll_capture(TARGET);
    EXPECT_TRUE(scroll_session_active());
    EXPECT_EQ(frame_status(), ui_text(SCROLL_HINT));
    EXPECT_FALSE(scroll_result_image()) << "nothing is grabbed during the warm-up";
}

TEST_F(ScrollSessionTest, ScrollingByHandThenEnterCopiesTheDocument) {
    empty_clipboard();
    start();
    // Forth and now and then back, a notch at a time, as a hand on the wheel goes.
    for (int i = 0; TARGET_STATE.scroll < st::MAX_SCROLL; ++i) {
        scroll_target_by(i % 5 == 4 ? -1 : 2);
        pump_messages_for(40);
    }
    const std::string rows = " \u00D7 " + std::to_string(st::EXPECTED_ROWS);
    wait_for([&] { return frame_status().ends_with(rows); });
    // The width is that of the scrolling columns, with or without the scroll bar's track (which
    // the result then cuts off), as the first shift found them.
    const std::string status = frame_status();
    EXPECT_TRUE(status.ends_with(rows)) << status;
    {
        auto frame = REGION_FRAME.borrow();
        ASSERT_TRUE(*frame && (*frame)->preview_image);
        const DibBitmap& preview = *(*frame)->preview_image;
        // The newest rows fill the preview to its bottom: the target's footer band.
        const uint32_t bottom = preview.bits[size_t(preview.height - 1) * size_t(preview.width) + 10] & 0xFFFFFF;
        EXPECT_NE(bottom, 0x2C2828u);
    }
    key(VK_RETURN);
    EXPECT_FALSE(scroll_session_active());
    EXPECT_FALSE(frame_is_shown());
    const std::optional<std::vector<uint8_t>> dib = clipboard_dib();
    ASSERT_TRUE(dib);
    ASSERT_GE(dib->size(), 40u + size_t{4} * st::DOC_WIDTH * st::EXPECTED_ROWS);
    int32_t width = 0, height = 0;
    std::memcpy(&width, dib->data() + 4, 4);
    std::memcpy(&height, dib->data() + 8, 4);
    EXPECT_EQ(width, st::DOC_WIDTH);
    EXPECT_EQ(height, st::EXPECTED_ROWS);
    EXPECT_TRUE(equals_document(reinterpret_cast<const uint32_t*>(dib->data() + 40), width, height, true));
}

TEST_F(ScrollSessionTest, KeysWithoutCtrlDoNothingAndEscKeepsNothing) {
    empty_clipboard();
    start();
    scroll_target_by(2);
    pump_messages_for(60);
    key('C');
    key('S');
    key('A');
    EXPECT_TRUE(scroll_session_active());
    key(VK_ESCAPE);
    EXPECT_FALSE(scroll_session_active());
    EXPECT_FALSE(frame_is_shown());
    EXPECT_FALSE(clipboard_dib());
}

TEST_F(ScrollSessionTest, ACopyTheClipboardRefusesIsKeptAsAPin) {
    register_window_class(PIN_WINDOW_CLASS);
    empty_clipboard();
    start();
    scroll_target_by(2);
    pump_messages_for(60);
    const size_t pins = pin_windows().size();
    {
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        key(VK_RETURN);
    }
    EXPECT_FALSE(scroll_session_active());
    EXPECT_FALSE(clipboard_dib());
    const std::vector<HWND> now = pin_windows();
    ASSERT_EQ(now.size(), pins + 1) << "the stitched image would be lost";
    DestroyWindow(now.back());
}

TEST_F(ScrollSessionTest, AutoScrollRunsToTheEndAndWritesTheOutput) {
    const ScratchFolder folder("scroll-out");
    *SCROLL_OUT.borrow() = folder.at("out.png");
    start_scroll_capture(TARGET);
    toggle_auto_scroll();
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, TARGET.l + st::CLIENT_WIDTH / 2);
    EXPECT_EQ(cursor.y, TARGET.t + st::CLIENT_HEIGHT / 2);
    EXPECT_EQ(frame_status(), ui_text(SCROLL_AUTO_RUNNING));
    // At a load of 23 the page reached its end at 30 s and the session had still to notice it.
    ASSERT_TRUE(wait_for([] { return !scroll_session_active(); }, 45000)) << "still at " << TARGET_STATE.scroll;
    EXPECT_EQ(TARGET_STATE.scroll, st::MAX_SCROLL);
    EXPECT_FALSE(SCROLL_OUT.borrow()->has_value()) << "the path is taken when it is written";
    const std::optional<DibBitmap> png = load_image_file(folder.at("out.png"));
    ASSERT_TRUE(png);
    EXPECT_TRUE(equals_document(png->bits, png->width, png->height, false));
}

TEST_F(ScrollSessionTest, MovingTheMouseAwayStopsAutoScroll) {
    start();
    toggle_auto_scroll();
    EXPECT_EQ(frame_status(), ui_text(SCROLL_AUTO_RUNNING));
    SetCursorPos(TARGET.r + 300, TARGET.b + 200);
    EXPECT_TRUE(wait_for([] { return frame_status() == ui_text(SCROLL_HINT); }));
    const int32_t stopped_at = TARGET_STATE.scroll;
    pump_messages_for(600);
    EXPECT_EQ(TARGET_STATE.scroll, stopped_at) << "no notch after the mouse took over";
    EXPECT_TRUE(scroll_session_active());
}

TEST_F(ScrollSessionTest, DumpWritesTheFramesTheColumnsWereFoundIn) {
    const ScratchEnvFolder temp("scroll-dump", {"TMP", "TEMP"});
    const ScopedEnv dump({"ORMICK_OXEL_DUMP"}, std::string());
    start();
    scroll_target_by(1);
    wait_for([&] { return GetFileAttributesW(to_wide(temp.at("ormick-scroll-b.png")).c_str()) != INVALID_FILE_ATTRIBUTES; });
    for (const char* name : {"ormick-scroll-a.png", "ormick-scroll-b.png"}) {
        const std::optional<DibBitmap> frame = load_image_file(temp.at(name));
        ASSERT_TRUE(frame) << name;
        EXPECT_EQ(frame->width, st::CLIENT_WIDTH);
        EXPECT_EQ(frame->height, st::CLIENT_HEIGHT);
    }
}

TEST(ScrollPreview, TheBottomRowsScaledToTheWidthOnTheDarkBackground) {
    struct Case { int32_t width, rows, client_w, client_h, first_drawn_row; };
    // 300 wide at half scale: 60 rows become the bottom 30; 150 wide at full scale: the last
    // 120 of 400 rows fill it all.
    for (const Case& c : {Case{300, 60, 150, 200, 170}, Case{150, 400, 150, 120, 0}}) {
        std::vector<uint32_t> source(size_t(c.width) * size_t(c.rows), 0x00E03020);
        const std::optional<DibBitmap> out =
            render_scroll_preview({source, c.width, c.rows}, c.client_w, c.client_h);
        ASSERT_TRUE(out);
        ASSERT_EQ(out->width, c.client_w);
        ASSERT_EQ(out->height, c.client_h);
        for (int32_t y = 0; y < c.client_h; ++y) {
            const uint32_t px = out->bits[size_t(y) * size_t(c.client_w) + size_t(c.client_w / 2)] & 0xFFFFFF;
            if (y < c.first_drawn_row) ASSERT_EQ(px, 0x2C2828u) << y;
            else ASSERT_EQ(px, 0xE03020u) << y;
        }
    }
    EXPECT_FALSE(render_scroll_preview({}, 0, 100));
}
