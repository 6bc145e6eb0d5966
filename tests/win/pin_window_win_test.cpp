// Pin windows under Wine: geometry, painting, keys, wheel, lock, thumbnail, styles, closing and
// restoring, each driven through the window's own messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "pin/pin_geometry.h"
#include "pin/pin_menu.h"
#include "strings/ui_strings.h"

#include "support/pin_support_win.h"

namespace {

using namespace test_support;

HWND pin_at(int32_t x, int32_t y, int32_t w, int32_t h, float scale = 1.0f, uint8_t opacity = 100) {
    return create_pin(solid_image(w, h, 0x00336699), {}, x, y, scale, opacity);
}

BYTE alpha_of(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    return alpha;
}

POINT center(HWND window) { return window_center(window); }

class PinWindow : public PinTest {};

}  // namespace

TEST_F(PinWindow, TheWindowIsTheScaledImagePlusItsBorderAtItsPlace) {
    struct Case {
        int32_t w, h;
        float scale;
        Rect want;
    };
    const Case cases[] = {
        {300, 100, 1.0f, {100, 120, 402, 222}},
        {300, 100, 2.0f, {100, 120, 702, 322}},
        {1, 1, 0.05f, {100, 120, 103, 123}},
    };
    for (const Case& c : cases) {
        const HWND pin = pin_at(100, 120, c.w, c.h, c.scale);
        ASSERT_TRUE(pin);
        EXPECT_EQ(rect_of(pin), c.want) << c.w << "x" << c.h << " at " << c.scale;
        EXPECT_TRUE(IsWindowVisible(pin));
        const LONG_PTR ex = GetWindowLongPtrW(pin, GWL_EXSTYLE);
        EXPECT_EQ(ex & 0x80088, 0x80088);
        EXPECT_EQ(ex & WS_EX_TRANSPARENT, 0);
        EXPECT_EQ(GetWindowLongPtrW(pin, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
        EXPECT_EQ(pin_windows().back(), pin);
    }
    EXPECT_EQ(pin_windows().size(), 3u);
}

TEST_F(PinWindow, PaintsTheImageInsideAOnePixelBorder) {
    const HWND pin = create_pin(make_image(4, 3, [](int32_t x, int32_t y) { return uint32_t(0x00102030 + 0x10 * x + 0x1000 * y); }), {},
                                50, 50, 1.0f, 100);
    ASSERT_TRUE(pin);
    std::optional<DibBitmap> shot = painted(pin);
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, 6);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(pixel(*shot, x + 1, y + 1), uint32_t(0x102030 + 0x10 * x + 0x1000 * y)) << x << "," << y;
    // The border's colour says whether the pin has the foreground; orange when clicks go through.
    const uint32_t border = GetForegroundWindow() == pin ? 0x2B7FFFu : 0x8C8C92u;
    EXPECT_EQ(pixel(*shot, 0, 0), border);
    EXPECT_EQ(pixel(*shot, 5, 4), border);
    set_pin_click_through(pin, true);
    shot = painted(pin);
    EXPECT_EQ(pixel(*shot, 0, 2), 0xFF9500u);

    // At scale 2 every pixel is drawn twice across and down.
    set_pin_scale(pin, 2.0f, 50, 50);
    record(pin).label.reset();
    shot = painted(pin);
    ASSERT_EQ(shot->width, 10);
    EXPECT_EQ(pixel(*shot, 1, 1), 0x102030u);
    EXPECT_EQ(pixel(*shot, 2, 2), 0x102030u);
    EXPECT_EQ(pixel(*shot, 3, 1), 0x102040u);
    EXPECT_EQ(pixel(*shot, 8, 6), 0x104060u);
}

TEST_F(PinWindow, TheLabelShowsForASecondInTheCorner) {
    const HWND pin = pin_at(10, 10, 200, 100);
    const std::optional<DibBitmap> before = painted(pin);
    zoom_pin(pin, 2.0f, 10, 10);
    EXPECT_EQ(record(pin).label, "121%");
    std::optional<DibBitmap> shot = painted(pin);
    // The box is dark inside its corner radius; the text is white somewhere in it.
    EXPECT_EQ(pixel(*shot, 8, 17), 0x202024u);
    bool light = false;  // the text
    for (int32_t y = 7; y < 30 && !light; ++y)
        for (int32_t x = 7; x < 60 && !light; ++x) light = (pixel(*shot, x, y) & 0xE0E0E0u) == 0xE0E0E0u;
    EXPECT_TRUE(light);
    SendMessageW(pin, WM_TIMER, 7, 0);  // another timer: nothing
    EXPECT_TRUE(record(pin).label);
    SendMessageW(pin, WM_TIMER, PIN_LABEL_TIMER, 0);
    EXPECT_FALSE(record(pin).label);
    shot = painted(pin);
    EXPECT_EQ(pixel(*shot, 8, 17), 0x336699u);
}

TEST_F(PinWindow, KeysMoveAndZoomUnlessLocked) {
    struct Case {
        const char* what;
        UINT vk;
        bool ctrl, shift;
        Rect unlocked;  // from a 102 x 52 window at (300, 300)
    };
    const Case cases[] = {
        {"Left", VK_LEFT, false, false, {299, 300, 401, 352}},
        {"Shift+Down", VK_DOWN, false, true, {300, 310, 402, 362}},
        {"Numpad +", VK_ADD, false, false, {295, 297, 407, 354}},
        {"-", VK_OEM_MINUS, false, false, {304, 302, 397, 349}},
        {"Ctrl+0 at 1.0", '0', true, false, {300, 300, 402, 352}},
        {"A", 'A', false, false, {300, 300, 402, 352}},
    };
    // One pin per state (destroying a shown window costs Wine two seconds here), put back
    // between the keys.
    for (const bool locked : {false, true}) {
        const HWND pin = pin_at(300, 300, 100, 50);
        if (locked) run_pin_command(pin, PIN_CMD_LOCK);
        EXPECT_EQ(pin_is_locked(pin), locked);
        for (const Case& c : cases) {
            record(pin).scale = 1.0f;
            SetWindowPos(pin, nullptr, 300, 300, 102, 52, SWP_NOZORDER | SWP_NOACTIVATE);
            {
                const HeldKeys keys(c.ctrl, c.shift);
                send_key(pin, c.vk);
            }
            EXPECT_EQ(rect_of(pin), (locked ? Rect{300, 300, 402, 352} : c.unlocked)) << c.what << (locked ? " locked" : "");
        }
        DestroyWindow(pin);
    }
    // Ctrl+0 after zooming comes back to the image's size about the centre.
    const HWND pin = pin_at(300, 300, 100, 50, 2.0f);
    {
        const HeldKeys keys(true, false);
        send_key(pin, VK_NUMPAD0);
    }
    EXPECT_EQ(rect_of(pin), (Rect{350, 325, 452, 377}));
    EXPECT_EQ(record(pin).scale, 1.0f);
}

TEST_F(PinWindow, WheelZoomsAboutTheCursorAndCtrlWheelSetsOpacity) {
    const HWND pin = pin_at(100, 100, 200, 100);
    send_wheel(pin, 120, 0, {100, 100});  // about the top-left corner: it stays
    EXPECT_FLOAT_EQ(record(pin).scale, 1.1f);
    EXPECT_EQ(rect_of(pin), (Rect{100, 100, 322, 212}));
    send_wheel(pin, -120, 0, {322, 212});  // about the bottom-right corner, landing on 1.0
    EXPECT_EQ(record(pin).scale, 1.0f);
    EXPECT_EQ(rect_of(pin), (Rect{120, 110, 322, 212}));
    send_wheel(pin, 30, 0, {120, 110});  // a touchpad's quarter notch zooms too
    EXPECT_FLOAT_EQ(record(pin).scale, std::pow(1.1f, 0.25f));

    std::vector<int> steps;
    for (int i = 0; i < 10; ++i) {
        send_wheel(pin, -120, MK_CONTROL, {150, 150});
        steps.push_back(record(pin).opacity);
    }
    EXPECT_EQ(steps, (std::vector<int>{90, 80, 70, 60, 50, 40, 30, 20, 10, 10}));
    EXPECT_EQ(alpha_of(pin), 25);
    EXPECT_EQ(record(pin).label, opacity_label_text(ui_text(OPACITY_CAPTION), 10));
    for (int i = 0; i < 10; ++i) send_wheel(pin, 120, MK_CONTROL, {150, 150});
    EXPECT_EQ(record(pin).opacity, 100);
    EXPECT_EQ(alpha_of(pin), 255);

    // Locked: the plain wheel does nothing, Ctrl+wheel still works.
    run_pin_command(pin, PIN_CMD_LOCK);
    const Rect before = rect_of(pin);
    send_wheel(pin, 120, 0, {150, 150});
    EXPECT_EQ(rect_of(pin), before);
    send_wheel(pin, -120, MK_CONTROL, {150, 150});
    EXPECT_EQ(record(pin).opacity, 90);
}

TEST_F(PinWindow, APinMadeBelowTheMinimumZoomsBackOutToItsScaleAndNoFurther) {
    const HWND pin = pin_at(100, 100, 4000, 2000, 0.02f);  // fitted far below 5 %
    send_wheel(pin, 120, 0, {100, 100});
    EXPECT_FLOAT_EQ(record(pin).scale, 0.022f);
    send_wheel(pin, -120, 0, {100, 100});
    EXPECT_FLOAT_EQ(record(pin).scale, 0.02f);
    send_wheel(pin, -120, 0, {100, 100});
    EXPECT_FLOAT_EQ(record(pin).scale, 0.02f);
    EXPECT_EQ(rect_of(pin), (Rect{100, 100, 182, 142}));
}

TEST_F(PinWindow, DoubleClickClosesUnlessLockedAndShiftTogglesTheThumbnail) {
    const HWND pin = pin_at(400, 300, 1500, 500);
    run_pin_command(pin, PIN_CMD_LOCK);
    SendMessageW(pin, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(IsWindow(pin));
    SendMessageW(pin, WM_LBUTTONDOWN, 0, 0);  // no drag when locked
    EXPECT_EQ(rect_of(pin), (Rect{400, 300, 1902, 802}));

    const POINT c = center(pin);
    SendMessageW(pin, WM_LBUTTONDBLCLK, MK_SHIFT, 0);
    EXPECT_TRUE(record(pin).thumbnail);
    EXPECT_FLOAT_EQ(record(pin).scale, 96.0f / 1500.0f);  // Wine's DPI is 96
    EXPECT_EQ(rect_of(pin), (Rect{c.x - 49, c.y - 17, c.x + 49, c.y + 17}));
    SendMessageW(pin, WM_LBUTTONDBLCLK, MK_SHIFT, 0);
    EXPECT_FALSE(record(pin).thumbnail);
    EXPECT_EQ(record(pin).scale, 1.0f);
    EXPECT_EQ(rect_of(pin), (Rect{400, 300, 1902, 802}));

    run_pin_command(pin, PIN_CMD_LOCK);
    SendMessageW(pin, WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_FALSE(IsWindow(pin));
    EXPECT_TRUE(pin_windows().empty());
}

TEST_F(PinWindow, ClickThroughAndOpacityReachTheWindow) {
    const HWND a = pin_at(10, 10, 50, 50, 1.0f, 80);
    const HWND b = pin_at(100, 10, 50, 50, 1.0f, 5);
    EXPECT_EQ(alpha_of(a), 204);
    EXPECT_EQ(record(b).opacity, 10);
    EXPECT_EQ(alpha_of(b), 25);
    EXPECT_FALSE(any_pin_click_through());
    run_pin_command(b, PIN_CMD_CLICK_THROUGH);
    EXPECT_TRUE(GetWindowLongPtrW(b, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_TRUE(any_pin_click_through());
    set_pin_click_through(b, false);
    EXPECT_FALSE(GetWindowLongPtrW(b, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_EQ(GetWindowLongPtrW(b, GWL_EXSTYLE) & 0x80088, 0x80088);
    run_pin_command(a, PIN_CMD_OPACITY_FIRST + 3);
    EXPECT_EQ(record(a).opacity, 40);
    EXPECT_EQ(alpha_of(a), 102);
}

TEST_F(PinWindow, ClosingElevenKeepsTenAndRestoreBringsBackTheNewestWhereItWas) {
    std::vector<HWND> pins;
    for (int32_t i = 0; i < 11; ++i) pins.push_back(pin_at(20 * i, 10 * i, 10 + i, 10, 1.0f + 0.5f * static_cast<float>(i % 2)));
    set_pin_opacity(pins[10], 60);
    const Rect newest = rect_of(pins[10]);
    // Every way a pin closes: Esc, the menu's Close, a double click, DestroyWindow.
    for (size_t i = 0; i < pins.size(); ++i) {
        switch (i % 4) {
            case 0: send_key(pins[i], VK_ESCAPE); break;
            case 1: run_pin_command(pins[i], PIN_CMD_CLOSE); break;
            case 2: SendMessageW(pins[i], WM_LBUTTONDBLCLK, 0, 0); break;
            default: DestroyWindow(pins[i]); break;
        }
        EXPECT_FALSE(IsWindow(pins[i])) << i;
    }
    EXPECT_TRUE(pin_windows().empty());
    {
        auto closed = CLOSED_PINS.borrow();
        ASSERT_EQ(closed->size(), 10u);
        EXPECT_EQ(closed->front().base_image.width, 11);  // the first one went
        EXPECT_EQ(closed->back().base_image.width, 20);
    }
    EXPECT_FALSE(closed_pins_empty());
    restore_last_closed_pin();
    ASSERT_EQ(pin_windows().size(), 1u);
    const HWND back = pin_windows()[0];
    EXPECT_EQ(rect_of(back), newest);
    EXPECT_EQ(record(back).opacity, 60);
    EXPECT_EQ(alpha_of(back), 153);
    EXPECT_EQ(record(back).scale, 1.0f);
    EXPECT_EQ(CLOSED_PINS.borrow()->size(), 9u);
    restore_last_closed_pin();
    EXPECT_EQ(rect_of(pin_windows()[1]), (Rect{180, 90, 180 + 31, 90 + 17}));  // 19 x 10 at 1.5
}

TEST_F(PinWindow, CloseAllFromOnePinsMenuAndCallsAfterClosingReachNothing) {
    const HWND a = pin_at(0, 0, 10, 10), b = pin_at(50, 0, 10, 10), c = pin_at(100, 0, 10, 10);
    run_pin_command(b, PIN_CMD_CLOSE_ALL);
    for (HWND w : {a, b, c}) EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(CLOSED_PINS.borrow()->size(), 3u);
    // A closed pin's window is no pin: nothing happens, nothing breaks.
    set_pin_scale(a, 2.0f, 0, 0);
    zoom_pin(a, 1, 0, 0);
    toggle_pin_thumbnail(a);
    set_pin_opacity(a, 50);
    set_pin_click_through(a, true);
    show_pin_label(a, "x");
    run_pin_command(a, PIN_CMD_COPY);
    EXPECT_FALSE(pin_is_locked(a));
    EXPECT_FALSE(find_pin(window_));
    EXPECT_EQ(CLOSED_PINS.borrow()->size(), 3u);
}
