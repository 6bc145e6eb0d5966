#pragma once
// Shared by the pin window tests: images, a pin's pixels and rectangle, and a fixture that
// leaves no pin open and no closed pin behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "image/dib_bitmap_win.h"
#include "main/window_classes_win.h"
#include "pin/pin_window_win.h"
#include "pin/pins_win.h"
#include "util/geometry.h"

#include "main_window_support_win.h"

namespace test_support {

// w x h pixels, each made by colour(x, y).
template <class F>
DibBitmap make_image(int32_t w, int32_t h, F colour) {
    std::optional<DibBitmap> image = DibBitmap::create(w, h);
    if (!image) ADD_FAILURE() << "no bitmap";
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            image->bits[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = colour(x, y);
    return std::move(*image);
}

inline DibBitmap solid_image(int32_t w, int32_t h, uint32_t colour) {
    return make_image(w, h, [colour](int32_t, int32_t) { return colour; });
}

inline Rect rect_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// What the pin paints, read back: its client area drawn into a bitmap of that size.
inline std::optional<DibBitmap> painted(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    std::optional<DibBitmap> out = DibBitmap::create(client.right, client.bottom);
    if (!out) return out;
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(out->hdc()), PRF_CLIENT);
    GdiFlush();
    return out;
}

inline uint32_t pixel(const DibBitmap& b, int32_t x, int32_t y) {
    return b.bits[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)] & 0xFFFFFFu;
}

inline void send_key(HWND window, UINT vk) { SendMessageW(window, WM_KEYDOWN, vk, 0); }

inline void send_wheel(HWND window, int delta, WPARAM keys, POINT at) {
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<int16_t>(delta))),
                 MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
}

class PinTest : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        register_window_classes();
        clear();
    }
    void TearDown() override {
        clear();
        MainWindow::TearDown();
    }
    static void clear() {
        for (HWND w : pin_windows()) DestroyWindow(w);
        CLOSED_PINS.borrow()->clear();
    }
    static PinRecord& record(HWND window) {
        PinRecord* pin = find_pin(window);
        if (!pin) throw std::runtime_error("not an open pin");
        return *pin;
    }
};

}  // namespace test_support
