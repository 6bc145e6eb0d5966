// Mouse and keys sent from inside the desktop (SendInput), with the clipboard watched: what a
// user's drag, click and Ctrl+C give, and how fast.
#include <algorithm>
#include <string>
#include <vector>

#include "helper.h"

namespace {

void send_mouse(DWORD flags, int32_t x, int32_t y) {
    const int32_t w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    in.mi.dx = static_cast<LONG>((int64_t{x} * 65536 + w - 1) / std::max(w, 1));
    in.mi.dy = static_cast<LONG>((int64_t{y} * 65536 + h - 1) / std::max(h, 1));
    SendInput(1, &in, sizeof in);
}

void send_key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void ctrl_c() {
    send_key(VK_CONTROL, false);
    send_key('C', false);
    send_key('C', true);
    send_key(VK_CONTROL, true);
}

HWND overlay() {
    for (const Found& f : find_windows(L"OrmickOxelOverlay", true))
        if (f.cls == L"OrmickOxelOverlay") return f.window;
    return nullptr;
}

// The overlay on screen with the keyboard: a session is open and takes input.
bool wait_overlay_ready(uint64_t ms) {
    return poll_until(ms, [] {
        const HWND o = overlay();
        return o && GetForegroundWindow() == o;
    });
}

bool wait_overlay_gone(uint64_t ms) { return poll_until(ms, [] { return overlay() == nullptr; }); }

bool post_main(WPARAM command) {
    const HWND w = main_window();
    return w && PostMessageW(w, 0x8002, command, 0);  // WM_APP_INSTANCE_COMMAND
}

// Milliseconds from `start` until the clipboard's sequence number moves past `seq` with an image
// on it; negative after the timeout.
double wait_clipboard_image(DWORD seq, LARGE_INTEGER start, uint64_t timeout_ms) {
    LARGE_INTEGER freq, now;
    QueryPerformanceFrequency(&freq);
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    while (GetTickCount64() < end) {
        if (GetClipboardSequenceNumber() != seq && IsClipboardFormatAvailable(CF_DIB)) {
            QueryPerformanceCounter(&now);
            return double(now.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
        }
        Sleep(1);
    }
    return -1;
}

void drag(int32_t x0, int32_t y0, int32_t x1, int32_t y1, LARGE_INTEGER* released) {
    send_mouse(0, x0, y0);
    Sleep(30);
    send_mouse(MOUSEEVENTF_LEFTDOWN, x0, y0);
    Sleep(30);
    for (int i = 1; i <= 4; ++i) {
        send_mouse(0, x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
        Sleep(20);
    }
    send_mouse(MOUSEEVENTF_LEFTUP, x1, y1);
    if (released) QueryPerformanceCounter(released);
}

void click(int32_t x, int32_t y) {
    send_mouse(0, x, y);
    Sleep(30);
    send_mouse(MOUSEEVENTF_LEFTDOWN, x, y);
    Sleep(30);
    send_mouse(MOUSEEVENTF_LEFTUP, x, y);
}

}  // namespace

// keys KEY...: each KEY pressed and released in turn through SendInput, which gives it to the
// foreground window's focus whichever X window has the X focus; a KEY is a virtual-key code
// (decimal or 0x), or codes joined by '+' held together (0x11+0x43 is Ctrl+C).
int cmd_keys(const Args& a) {
    if (a.empty()) return 2;
    for (const std::wstring& key : a) {
        std::vector<WORD> held;
        for (size_t at = 0; at <= key.size();) {
            const size_t plus = std::min(key.find(L'+', at), key.size());
            const auto vk = static_cast<WORD>(number_arg({key.substr(at, plus - at)}, 0, 0));
            if (vk == 0) return 2;
            held.push_back(vk);
            at = plus + 1;
        }
        for (WORD vk : held) send_key(vk, false);
        for (auto it = held.rbegin(); it != held.rend(); ++it) send_key(*it, true);
        Sleep(50);
    }
    emit("sent");
    return 0;
}

// click X Y: the left button pressed and released at that screen point.
int cmd_click(const Args& a) {
    if (a.size() < 2) return 2;
    click(static_cast<int32_t>(number_arg(a, 0, 0)), static_cast<int32_t>(number_arg(a, 1, 0)));
    emit("clicked");
    return 0;
}

// drag-copy-bench N X0 Y0 X1 Y1: N captures, each a drag from (X0, Y0) to (X1, Y1) and Ctrl+C;
// the milliseconds from the button's release to the image on the clipboard, one line per run,
// then "median MS".
int cmd_drag_copy_bench(const Args& a) {
    if (a.size() < 5) return 2;
    const uint64_t n = number_arg(a, 0, 10);
    const auto x0 = static_cast<int32_t>(number_arg(a, 1, 0)), y0 = static_cast<int32_t>(number_arg(a, 2, 0));
    const auto x1 = static_cast<int32_t>(number_arg(a, 3, 0)), y1 = static_cast<int32_t>(number_arg(a, 4, 0));
    std::vector<double> times;
    for (uint64_t i = 0; i < n; ++i) {
        if (!post_main(1) || !wait_overlay_ready(10000)) {
            emit("run " + std::to_string(i) + ": no capture on screen");
            return 1;
        }
        const DWORD seq = GetClipboardSequenceNumber();
        LARGE_INTEGER released;
        drag(x0, y0, x1, y1, &released);
        ctrl_c();
        const double ms = wait_clipboard_image(seq, released, 10000);
        if (ms < 0 || !wait_overlay_gone(10000)) {
            emit("run " + std::to_string(i) + ": no image on the clipboard");
            return 1;
        }
        emit("run " + std::to_string(i) + " " + std::to_string(ms));
        times.push_back(ms);
        Sleep(150);
    }
    std::sort(times.begin(), times.end());
    const size_t m = times.size();
    emit("median " + std::to_string(m % 2 ? times[m / 2] : (times[m / 2 - 1] + times[m / 2]) / 2));
    return 0;
}

// capture-copy-soak N X Y [exit]: N captures started as capture-and-copy, each ended by a click
// at (X, Y) that copies the window there; "done N" when every one reached the clipboard. With
// "exit", the program is told to exit the moment the last copy is on the clipboard.
int cmd_capture_copy_soak(const Args& a) {
    if (a.size() < 3) return 2;
    const bool then_exit = a.size() > 3 && a[3] == L"exit";
    const uint64_t n = number_arg(a, 0, 200);
    const auto x = static_cast<int32_t>(number_arg(a, 1, 0)), y = static_cast<int32_t>(number_arg(a, 2, 0));
    for (uint64_t i = 0; i < n; ++i) {
        if (!post_main(4) || !wait_overlay_ready(10000)) {
            emit("run " + std::to_string(i) + ": no capture on screen");
            return 1;
        }
        const DWORD seq = GetClipboardSequenceNumber();
        LARGE_INTEGER t;
        QueryPerformanceCounter(&t);
        click(x, y);
        if (wait_clipboard_image(seq, t, 10000) < 0 || !wait_overlay_gone(10000)) {
            emit("run " + std::to_string(i) + ": no image on the clipboard");
            return 1;
        }
    }
    if (then_exit && !post_main(3)) {
        emit("cannot post the exit");
        return 1;
    }
    emit("done " + std::to_string(n));
    return 0;
}
