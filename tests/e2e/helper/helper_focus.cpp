// The overlay's floor and its hold on the focus: a bare grab shown in a popup made in advance,
// timed as the program's --bench times its captures; and captures started while another
// program's window is active, watched for the focus going back to it.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "helper.h"

namespace {

double now_ms() {
    static const double freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / freq;
}

std::string ms_text(double ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", ms);
    return buf;
}

// Dispatches what is queued, then waits up to `ms` for more.
void pump(DWORD ms) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

// Like poll_until, but this thread's windows keep answering meanwhile.
bool pump_until(double timeout_ms, bool (*done)()) {
    const double end = now_ms() + timeout_ms;
    for (;;) {
        if (done()) return true;
        if (now_ms() >= end) return false;
        pump(2);
    }
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];  // the upper middle one, as --bench takes it
}

// ---- floor-bench

struct Floor {
    HDC dc = nullptr;  // memory DC with the grab
    int32_t w = 0, h = 0;
};
Floor FLOOR;

LRESULT CALLBACK floor_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        BitBlt(dc, 0, 0, FLOOR.w, FLOOR.h, FLOOR.dc, 0, 0, SRCCOPY);
        EndPaint(w, &ps);
        return 0;
    }
    if (m == WM_ERASEBKGND) return 1;
    return DefWindowProcW(w, m, wp, lp);
}

// ---- focus-hold

struct Watch {
    HWND other = nullptr;
    double run_start = 0;
    std::vector<std::string> events;  // what the other window got during the run
};
Watch WATCH;

HWND overlay_window() {
    for (const Found& f : find_windows(L"OrmickOxelOverlay", true))
        if (f.cls == L"OrmickOxelOverlay") return f.window;
    return nullptr;
}

LRESULT CALLBACK other_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    const char* name = nullptr;
    switch (m) {
        case WM_ACTIVATEAPP: name = wp ? "WM_ACTIVATEAPP on" : "WM_ACTIVATEAPP off"; break;
        case WM_ACTIVATE: name = LOWORD(wp) ? "WM_ACTIVATE on" : "WM_ACTIVATE off"; break;
        case WM_NCACTIVATE: name = wp ? "WM_NCACTIVATE on" : "WM_NCACTIVATE off"; break;
        case WM_SETFOCUS: name = "WM_SETFOCUS"; break;
        case WM_KILLFOCUS: name = "WM_KILLFOCUS"; break;
        case WM_MOUSEACTIVATE: name = "WM_MOUSEACTIVATE"; break;
        case WM_KEYDOWN: name = "WM_KEYDOWN"; break;
        default: break;
    }
    if (name && WATCH.run_start > 0) WATCH.events.push_back(ms_text(now_ms() - WATCH.run_start) + " " + name);
    return DefWindowProcW(w, m, wp, lp);
}

void send_key(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

}  // namespace

// floor-bench N [PAUSE_MS]: the least a capture can cost here, timed like --bench: N times the
// whole screen grabbed by one BitBlt into a new bitmap, shown in a topmost popup
// made in advance (hidden between runs), painted and given the focus; per run the grab and the
// time until focused (ms from the start), then "median until focused MS ms, grab MS ms".
int cmd_floor_bench(const Args& a) {
    const uint64_t n = number_arg(a, 0, 10);
    const auto pause = static_cast<DWORD>(number_arg(a, 1, 250));
    FLOOR.w = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    FLOOR.h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int32_t x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    WNDCLASSW wc{};
    wc.lpfnWndProc = floor_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OxelHelperFloor";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, x, y, FLOOR.w, FLOOR.h,
                             nullptr, nullptr, wc.hInstance, nullptr);
    if (!w) return 1;
    std::vector<double> focused, grabs;
    for (uint64_t i = 0; i < n; ++i) {
        const double t0 = now_ms();
        HDC s = GetDC(nullptr);
        FLOOR.dc = CreateCompatibleDC(s);
        HBITMAP bitmap = CreateCompatibleBitmap(s, FLOOR.w, FLOOR.h);
        if (!FLOOR.dc || !bitmap) return 1;
        HGDIOBJ old = SelectObject(FLOOR.dc, bitmap);
        BitBlt(FLOOR.dc, 0, 0, FLOOR.w, FLOOR.h, s, x, y, SRCCOPY | CAPTUREBLT);
        ReleaseDC(nullptr, s);
        GdiFlush();
        const double grab = now_ms() - t0;
        ShowWindow(w, SW_SHOWNA);
        UpdateWindow(w);
        SetForegroundWindow(w);
        const double focus = now_ms() - t0;
        const bool has = GetForegroundWindow() == w;
        emit("run " + std::to_string(i + 1) + ": grab " + ms_text(grab) + "  focus " + ms_text(focus) +
             (has ? "" : " (not foreground)"));
        focused.push_back(focus);
        grabs.push_back(grab);
        pump(0);
        ShowWindow(w, SW_HIDE);
        SelectObject(FLOOR.dc, old);
        DeleteObject(bitmap);
        DeleteDC(FLOOR.dc);
        const double end = now_ms() + pause;
        while (now_ms() < end) pump(10);
    }
    DestroyWindow(w);
    emit("median until focused " + ms_text(median(focused)) + " ms, grab " + ms_text(median(grabs)) + " ms");
    return 0;
}

// focus-hold N HOLD_MS [x] [steal] [CLASS]: another program's window, active, from which N
// captures are started (F1 by SendInput; with "x" the run is announced as "ready N" on stdout
// and the caller presses F1 through X). The window is the helper's own, or the first one of class
// CLASS (such as RegEdit_RegEdit) when given. With "steal" that window takes the foreground back
// once the overlay has it, and the overlay must win it back within 5 s before it is watched. Each time: wait until the overlay has the focus, watch HOLD_MS that it keeps it,
// then Esc (which must end it). A run that loses the focus says when, to what, and what the
// other window got; the last line is "kept K of N".
int cmd_focus_hold(const Args& a) {
    const uint64_t n = number_arg(a, 0, 10);
    const double hold = static_cast<double>(number_arg(a, 1, 1000));
    bool by_x = false, steal = false;
    std::wstring other_class;
    for (size_t i = 2; i < a.size(); ++i) {
        if (a[i] == L"x") by_x = true;
        else if (a[i] == L"steal") steal = true;
        else other_class = a[i];
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = other_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OxelHelperOther";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
    if (other_class.empty()) {
        WATCH.other = CreateWindowExW(0, wc.lpszClassName, L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150,
                                      600, 400, nullptr, nullptr, wc.hInstance, nullptr);
    } else {
        poll_until(20000, [&] { return (WATCH.other = FindWindowW(other_class.c_str(), nullptr)) != nullptr; });
    }
    if (!WATCH.other) return 1;
    uint64_t kept = 0;
    for (uint64_t i = 1; i <= n; ++i) {
        WATCH.events.clear();
        WATCH.run_start = 0;
        SetForegroundWindow(WATCH.other);
        if (!pump_until(5000, [] { return GetForegroundWindow() == WATCH.other && !overlay_window(); })) {
            emit("run " + std::to_string(i) + ": the other window cannot be activated");
            return 1;
        }
        pump(50);
        WATCH.run_start = now_ms();
        if (by_x) {
            std::printf("ready %llu\n", static_cast<unsigned long long>(i));
            std::fflush(stdout);
        } else {
            send_key(VK_F1);
        }
        if (!pump_until(15000, [] {
                const HWND o = overlay_window();
                return o && GetForegroundWindow() == o;
            })) {
            emit("run " + std::to_string(i) + ": no capture took the focus");
            return 1;
        }
        const HWND overlay = overlay_window();
        if (steal) {
            const double stolen = now_ms();
            SetForegroundWindow(WATCH.other);
            if (!pump_until(5000, [] {
                    const HWND o = overlay_window();
                    return o && GetForegroundWindow() == o;
                })) {
                emit("run " + std::to_string(i) + ": the overlay did not take the focus back from " +
                     utf8(class_of(GetForegroundWindow())));
                return 1;
            }
            emit("run " + std::to_string(i) + ": focus taken back in " + ms_text(now_ms() - stolen) + " ms");
        }
        const double got = now_ms();
        HWND lost_to = nullptr;
        while (now_ms() - got < hold) {
            pump(2);
            const HWND fg = GetForegroundWindow();
            if (fg != overlay) {
                lost_to = fg ? fg : GetDesktopWindow();
                break;
            }
        }
        if (lost_to) {
            std::string line = "run " + std::to_string(i) + ": lost the focus " + ms_text(now_ms() - got) +
                               " ms after it got it (" + ms_text(got - WATCH.run_start) + " ms after the key), to " +
                               utf8(class_of(lost_to)) + "; the other window got:";
            for (const std::string& e : WATCH.events) line += " [" + e + "]";
            emit(line);
            PostMessageW(overlay, WM_CLOSE, 0, 0);
        } else {
            ++kept;
            send_key(VK_ESCAPE);
        }
        if (!pump_until(10000, [] { return overlay_window() == nullptr; })) {
            emit("run " + std::to_string(i) + ": the overlay did not end");
            return 1;
        }
    }
    if (other_class.empty()) DestroyWindow(WATCH.other);
    emit("kept " + std::to_string(kept) + " of " + std::to_string(n));
    return kept == n ? 0 : 1;
}
