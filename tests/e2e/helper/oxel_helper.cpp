// Test-only helper for the end-to-end cases. It runs beside ormick-oxel.exe in the same Wine
// virtual desktop (--desktop NAME moves its thread there before any window call) and does one
// job per run, named by its first argument. Output goes to stdout, or to the file after --out.
// Exit code 0 means the job did what was asked; 1 a failure or a timeout; 2 a usage error.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "helper.h"
#include "settings/settings.h"

std::string OUTPUT;

void emit(const std::string& line) { OUTPUT += line + "\n"; }

std::string utf8(std::wstring_view w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

namespace {

// Decimal or 0x-prefixed hexadecimal.
bool parse_number(const std::wstring& text, uint64_t& out) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    out = std::wcstoull(text.c_str(), &end, 0);
    return end && *end == L'\0';
}

}  // namespace

uint64_t number_arg(const Args& a, size_t i, uint64_t fallback) {
    uint64_t v = 0;
    return i < a.size() && parse_number(a[i], v) ? v : fallback;
}

namespace {

std::wstring OUT_PATH;

// Writes what was emitted so far to --out (replacing the file) or stdout.
void flush_output() {
    if (!OUT_PATH.empty()) {
        if (FILE* f = _wfopen(OUT_PATH.c_str(), L"wb")) {
            std::fwrite(OUTPUT.data(), 1, OUTPUT.size(), f);
            std::fclose(f);
        }
    } else {
        std::fwrite(OUTPUT.data(), 1, OUTPUT.size(), stdout);
        std::fflush(stdout);
    }
    OUTPUT.clear();
}

}  // namespace

void announce(const std::string& line) {
    emit(line);
    flush_output();
    OUT_PATH.clear();
}

HWND main_window() { return FindWindowW(L"OrmickOxelMain", nullptr); }

DWORD main_pid() {
    HWND w = main_window();
    DWORD pid = 0;
    if (w) GetWindowThreadProcessId(w, &pid);
    return pid;
}

std::wstring class_of(HWND w) {
    wchar_t name[256] = {};
    GetClassNameW(w, name, 256);
    return name;
}

// Top-level windows whose class starts with `prefix`.
std::vector<Found> find_windows(const std::wstring& prefix, bool visible_only) {
    struct Ctx {
        std::wstring prefix;
        bool visible_only;
        std::vector<Found> found;
    } ctx{prefix, visible_only, {}};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(p);
            const std::wstring cls = class_of(w);
            if (cls.compare(0, c->prefix.size(), c->prefix) != 0) return TRUE;
            if (c->visible_only && !IsWindowVisible(w)) return TRUE;
            c->found.push_back({w, cls});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

bool poll_until(uint64_t timeout_ms, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

// Another process may hold the clipboard open for a moment (under Wine, its X11 side after a new
// owner). A read that waited half a second found no image once, at a load of 14: wait up to 5 s.
bool open_clipboard() {
    for (int i = 0; i < 500; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

namespace {

// post MSG WPARAM LPARAM: posts to OrmickOxelMain.
int cmd_post(const Args& a) {
    if (a.size() < 2) return 2;
    HWND w = main_window();
    if (!w) {
        emit("no main window");
        return 1;
    }
    const auto msg = static_cast<UINT>(number_arg(a, 0, 0));
    const auto wp = static_cast<WPARAM>(number_arg(a, 1, 0));
    const auto lp = static_cast<LPARAM>(number_arg(a, 2, 0));
    if (!PostMessageW(w, msg, wp, lp)) {
        emit("post failed " + std::to_string(GetLastError()));
        return 1;
    }
    emit("posted");
    return 0;
}

// hold-hotkey VK [MODS] [SECONDS]: registers the hotkey, says "held" (or "failed N") and keeps
// it for SECONDS (default 60; 0: until the process is ended) while pumping messages, so it is
// taken away from others.
int cmd_hold_hotkey(const Args& a) {
    if (a.empty()) return 2;
    const auto vk = static_cast<UINT>(number_arg(a, 0, 0));
    const auto mods = static_cast<UINT>(number_arg(a, 1, 0));
    const uint64_t seconds = number_arg(a, 2, 60);
    if (!RegisterHotKey(nullptr, 1, mods | MOD_NOREPEAT, vk)) {
        emit("failed " + std::to_string(GetLastError()));
        return 1;
    }
    // Announce at once: the case waits for this before it starts the program.
    emit("held");
    flush_output();
    OUT_PATH.clear();
    const ULONGLONG end = GetTickCount64() + seconds * 1000;
    while (seconds == 0 || GetTickCount64() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}

// windows [PREFIX] [--visible]: one line per top-level window whose class starts with PREFIX
// (default OrmickOxel): class, rectangle, visibility, owning process id.
int cmd_windows(const Args& a) {
    std::wstring prefix = L"OrmickOxel";
    bool visible_only = false;
    for (const auto& s : a) {
        if (s == L"--visible") visible_only = true;
        else prefix = s;
    }
    for (const Found& f : find_windows(prefix, visible_only)) {
        RECT r{};
        GetWindowRect(f.window, &r);
        DWORD pid = 0;
        GetWindowThreadProcessId(f.window, &pid);
        emit(utf8(f.cls) + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
             std::to_string(r.right) + " " + std::to_string(r.bottom) + " " +
             (IsWindowVisible(f.window) ? "visible" : "hidden") + " pid " + std::to_string(pid));
    }
    return 0;
}

// wait-window CLASS TIMEOUT_MS [--visible]: until a top-level window of exactly that class exists.
int cmd_wait_window(const Args& a) {
    if (a.empty()) return 2;
    const bool visible = a.size() > 2 && a[2] == L"--visible";
    const bool ok = poll_until(number_arg(a, 1, 10000), [&] {
        for (const Found& f : find_windows(a[0], visible))
            if (f.cls == a[0]) return true;
        return false;
    });
    emit(ok ? "found" : "timeout");
    return ok ? 0 : 1;
}

// wait-gone CLASS TIMEOUT_MS: until no top-level window of that class is visible.
int cmd_wait_gone(const Args& a) {
    if (a.empty()) return 2;
    const bool ok = poll_until(number_arg(a, 1, 10000), [&] {
        for (const Found& f : find_windows(a[0], true))
            if (f.cls == a[0]) return false;
        return true;
    });
    emit(ok ? "gone" : "timeout");
    return ok ? 0 : 1;
}

// wait-menu TIMEOUT_MS: until the program's UI thread tracks a popup menu and holds the
// foreground, so that keys sent now reach the menu rather than whatever had the focus.
int cmd_wait_menu(const Args& a) {
    const bool ok = poll_until(number_arg(a, 0, 10000), [] {
        const HWND main = main_window();
        if (!main) return false;
        const DWORD thread = GetWindowThreadProcessId(main, nullptr);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(thread, &info) || !(info.flags & GUI_INMENUMODE)) return false;
        const HWND foreground = GetForegroundWindow();
        return foreground && GetWindowThreadProcessId(foreground, nullptr) == thread;
    });
    emit(ok ? "menu" : "timeout");
    return ok ? 0 : 1;
}

// foreground: the class of the foreground window and of the window with the keyboard focus in
// its thread ("none" for either when there is none).
int cmd_foreground(const Args&) {
    const HWND fg = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const bool focus = fg && GetGUIThreadInfo(GetWindowThreadProcessId(fg, nullptr), &info) && info.hwndFocus;
    RECT r{};
    if (focus) GetWindowRect(info.hwndFocus, &r);
    emit((fg ? utf8(class_of(fg)) : std::string("none")) + " " + (focus ? utf8(class_of(info.hwndFocus)) : std::string("none")) +
         " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " + std::to_string(r.bottom));
    return 0;
}

// pid: the process id owning OrmickOxelMain.
int cmd_pid(const Args&) {
    const DWORD pid = main_pid();
    if (!pid) {
        emit("no main window");
        return 1;
    }
    emit(std::to_string(pid));
    return 0;
}

// late-instance DELAY_MS RUN_MS: holds the program's instance mutex as a copy that is still
// starting would, makes its main window only after DELAY_MS, and says "command N" for each
// instance command that reaches the window before RUN_MS have passed.
int cmd_late_instance(const Args& a) {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\OrmickOxel.Instance");
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        emit("the instance mutex is taken");
        return 1;
    }
    announce("holding");
    Sleep(static_cast<DWORD>(number_arg(a, 0, 1000)));
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == 0x8002) emit("command " + std::to_string(wp));  // the program's instance command
        return DefWindowProcW(w, m, wp, lp);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrmickOxelMain";
    RegisterClassW(&wc);
    const HWND w = CreateWindowExW(0, wc.lpszClassName, wc.lpszClassName, 0, 0, 0, 0, 0, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    const ULONGLONG end = GetTickCount64() + number_arg(a, 1, 5000);
    while (GetTickCount64() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    DestroyWindow(w);
    CloseHandle(mutex);
    return 0;
}

// wait-exit PID TIMEOUT_MS: until that process has ended ("exited CODE").
int cmd_wait_exit(const Args& a) {
    if (a.empty()) return 2;
    const auto pid = static_cast<DWORD>(number_arg(a, 0, 0));
    HANDLE p = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!p) {
        emit("exited (no such process)");
        return 0;
    }
    const DWORD r = WaitForSingleObject(p, static_cast<DWORD>(number_arg(a, 1, 10000)));
    DWORD code = 0;
    GetExitCodeProcess(p, &code);
    CloseHandle(p);
    if (r != WAIT_OBJECT_0) {
        emit("timeout");
        return 1;
    }
    emit("exited " + std::to_string(code));
    return 0;
}

// private-bytes [PID [--regions]]: PrivateUsage, the committed private regions, working set and
// peak working set of the program (or of process PID), in bytes; with --regions first each
// allocation holding at least 128 KiB of them, with its size.
int cmd_private_bytes(const Args& a) {
    const DWORD pid = a.empty() ? main_pid() : static_cast<DWORD>(number_arg(a, 0, 0));
    if (!pid) {
        emit("no main window");
        return 1;
    }
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!p) p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!p) {
        emit("open failed " + std::to_string(GetLastError()));
        return 1;
    }
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    pmc.cb = sizeof pmc;
    const BOOL ok = GetProcessMemoryInfo(p, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
    // Wine reports no PrivateUsage for another process: also add up its committed private
    // regions, which is what private bytes count.
    uint64_t committed = 0;
    const bool regions = a.size() > 1 && a[1] == L"--regions";
    std::map<const void*, uint64_t> by_allocation;
    MEMORY_BASIC_INFORMATION mbi{};
    for (const char* at = nullptr; VirtualQueryEx(p, at, &mbi, sizeof mbi) == sizeof mbi;) {
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) {
            committed += mbi.RegionSize;
            by_allocation[mbi.AllocationBase] += mbi.RegionSize;
        }
        const char* next = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize;
        if (next <= at) break;
        at = next;
    }
    CloseHandle(p);
    if (!ok) {
        emit("query failed " + std::to_string(GetLastError()));
        return 1;
    }
    if (regions)
        for (const auto& [base, bytes] : by_allocation)
            if (bytes >= 128 * 1024) {
                char line[64];
                std::snprintf(line, sizeof line, "  %p %llu KiB", base, static_cast<unsigned long long>(bytes / 1024));
                emit(line);
            }
    emit("private " + std::to_string(pmc.PrivateUsage) + " committed-private " + std::to_string(committed) +
         " working " + std::to_string(pmc.WorkingSetSize) + " peak " + std::to_string(pmc.PeakWorkingSetSize));
    return 0;
}

// clip-set-text TEXT
int cmd_clip_set_text(const Args& a) {
    const std::wstring text = a.empty() ? L"" : a[0];
    if (!open_clipboard()) return 1;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool ok = false;
    if (g) {
        if (void* p = GlobalLock(g)) {
            std::memcpy(p, text.c_str(), bytes);
            GlobalUnlock(g);
            ok = SetClipboardData(CF_UNICODETEXT, g) != nullptr;
        }
        if (!ok) GlobalFree(g);
    }
    CloseClipboard();
    return ok ? 0 : 1;
}

// clip-get-text: the CF_UNICODETEXT text ("none" and 1 when there is none).
int cmd_clip_get_text(const Args&) {
    if (!open_clipboard()) return 1;
    int rc = 1;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            emit(utf8(p));
            GlobalUnlock(h);
            rc = 0;
        }
    }
    if (rc) emit("none");
    CloseClipboard();
    return rc;
}

// clip-formats: the format numbers on the clipboard, one per line.
int cmd_clip_formats(const Args&) {
    if (!open_clipboard()) return 1;
    for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) emit(std::to_string(f));
    CloseClipboard();
    return 0;
}

// clip-files: the paths of a CF_HDROP on the clipboard, one per line.
int cmd_clip_files(const Args&) {
    if (!open_clipboard()) return 1;
    int rc = 1;
    if (auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
        const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < n; ++i) {
            wchar_t path[MAX_PATH * 4] = {};
            DragQueryFileW(drop, i, path, MAX_PATH * 4);
            emit(utf8(path));
        }
        rc = n ? 0 : 1;
    }
    CloseClipboard();
    return rc;
}

// env NAME...: each variable's value as this process sees it, one per line ("" when unset).
int cmd_env(const Args& a) {
    for (const auto& name : a) {
        wchar_t buf[32768] = {};
        const DWORD n = GetEnvironmentVariableW(name.c_str(), buf, 32768);
        emit(n && n < 32768 ? utf8(buf) : "");
    }
    return 0;
}

std::vector<DWORD> process_ids(const std::wstring& exe_name) {
    std::vector<DWORD> ids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    for (BOOL ok = Process32FirstW(snap, &e); ok; ok = Process32NextW(snap, &e))
        if (_wcsicmp(e.szExeFile, exe_name.c_str()) == 0) ids.push_back(e.th32ProcessID);
    CloseHandle(snap);
    return ids;
}

// processes EXE: the ids of the running processes of that executable name, one per line.
int cmd_processes(const Args& a) {
    if (a.empty()) return 2;
    for (DWORD id : process_ids(a[0])) emit(std::to_string(id));
    return 0;
}

// wait-processes EXE COUNT TIMEOUT_MS: until exactly COUNT processes of that name run.
int cmd_wait_processes(const Args& a) {
    if (a.size() < 2) return 2;
    const size_t want = static_cast<size_t>(number_arg(a, 1, 0));
    size_t last = 0;
    const bool ok = poll_until(number_arg(a, 2, 10000), [&] {
        last = process_ids(a[0]).size();
        return last == want;
    });
    emit(ok ? "count " + std::to_string(want) : "timeout with " + std::to_string(last));
    return ok ? 0 : 1;
}

// close CLASS: posts WM_CLOSE to the window of that class.
int cmd_close(const Args& a) {
    if (a.empty()) return 2;
    const HWND w = FindWindowW(a[0].c_str(), nullptr);
    if (!w || !PostMessageW(w, WM_CLOSE, 0, 0)) {
        emit("no window");
        return 1;
    }
    emit("closed");
    return 0;
}

// hold-file PATH SECONDS: keeps the file open without sharing (nobody else may read, write or
// delete it) for that long; says "held" at once and "released" when it lets go.
int cmd_hold_file(const Args& a) {
    if (a.empty()) return 2;
    HANDLE f = CreateFileW(a[0].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        emit("failed " + std::to_string(GetLastError()));
        return 1;
    }
    emit("held");
    const std::string said = OUTPUT;
    flush_output();
    Sleep(static_cast<DWORD>(number_arg(a, 1, 10) * 1000));
    CloseHandle(f);
    OUTPUT = said;
    emit("released");
    return 0;
}

// The first visible top-level window of exactly that class, or null.
HWND visible_window(const std::wstring& cls) {
    for (const Found& f : find_windows(cls, true))
        if (f.cls == cls) return f.window;
    return nullptr;
}

// send CLASS MSG WPARAM LPARAM: SendMessageW to the first visible window of that class; says
// the result.
int cmd_send(const Args& a) {
    if (a.size() < 2) return 2;
    const HWND w = visible_window(a[0]);
    if (!w) {
        emit("no window");
        return 1;
    }
    const LRESULT r = SendMessageW(w, static_cast<UINT>(number_arg(a, 1, 0)), static_cast<WPARAM>(number_arg(a, 2, 0)),
                                   static_cast<LPARAM>(number_arg(a, 3, 0)));
    emit("result " + std::to_string(r));
    return 0;
}

// zoom-time N: N wheel notches, down and up in turn, to the first visible pin about its
// centre, each followed by UpdateWindow, which waits for its repaint; the milliseconds of each
// step (the zoom, then the repaint) and the pin's size after it, one line per step.
int cmd_zoom_time(const Args& a) {
    const HWND w = visible_window(L"OrmickOxelPin");
    if (!w) {
        emit("no pin");
        return 1;
    }
    LARGE_INTEGER f, t0, t1, t2;
    QueryPerformanceFrequency(&f);
    const auto ms = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
        return std::to_string(static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart));
    };
    const uint64_t n = number_arg(a, 0, 10);
    for (uint64_t i = 0; i < n; ++i) {
        RECT r{};
        GetWindowRect(w, &r);
        const int delta = i % 2 == 0 ? -120 : 120;
        const LPARAM at = MAKELPARAM(static_cast<WORD>((r.left + r.right) / 2), static_cast<WORD>((r.top + r.bottom) / 2));
        QueryPerformanceCounter(&t0);
        SendMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<int16_t>(delta))), at);
        QueryPerformanceCounter(&t1);
        UpdateWindow(w);
        QueryPerformanceCounter(&t2);
        GetWindowRect(w, &r);
        emit("step " + std::to_string(delta) + " zoom " + ms(t0, t1) + " repaint " + ms(t1, t2) + " size " +
             std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
    }
    return 0;
}

// template OUT: the first-run settings.ini bytes, for byte-exact comparison.
int cmd_template(const Args& a) {
    if (a.empty()) return 2;
    FILE* f = _wfopen(a[0].c_str(), L"wb");
    if (!f) return 1;
    const size_t n = std::fwrite(SETTINGS_TEMPLATE.data(), 1, SETTINGS_TEMPLATE.size(), f);
    std::fclose(f);
    return n == SETTINGS_TEMPLATE.size() ? 0 : 1;
}

// A window of the animation: a white field with a red box that moves right and wraps around.
struct Animation {
    ULONGLONG start = 0;
    int speed = 200;  // pixels per second
};
Animation ANIMATION;

LRESULT CALLBACK animation_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER: InvalidateRect(w, nullptr, FALSE); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            RECT client;
            GetClientRect(w, &client);
            const int span = client.right > 60 ? client.right - 60 : 1;
            const int x = static_cast<int>((GetTickCount64() - ANIMATION.start) * ANIMATION.speed / 1000 % span);
            const int y = client.bottom / 2 - 30;
            SetDCBrushColor(dc, RGB(255, 255, 255));
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            SetDCBrushColor(dc, RGB(229, 59, 48));
            const RECT box{x, y, x + 60, y + 60};
            FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            EndPaint(w, &ps);
            return 0;
        }
        default: return DefWindowProcW(w, msg, wp, lp);
    }
}

// animate X Y W H SECONDS [SPEED]: a topmost window at that rectangle in which a 60-pixel red
// box moves right by SPEED pixels per second (default 200); says "shown" once it is on screen
// and keeps it there for SECONDS while pumping messages.
int cmd_animate(const Args& a) {
    if (a.size() < 5) return 2;
    const auto num = [&](size_t i) { return static_cast<int>(static_cast<int64_t>(number_arg(a, i, 0))); };
    ANIMATION.speed = static_cast<int>(number_arg(a, 5, 200));
    WNDCLASSW wc{};
    wc.lpfnWndProc = animation_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OxelHelperAnimation";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"animation", WS_POPUP, num(0), num(1),
                             num(2), num(3), nullptr, nullptr, wc.hInstance, nullptr);
    if (!w) {
        emit("failed " + std::to_string(GetLastError()));
        return 1;
    }
    ANIMATION.start = GetTickCount64();
    ShowWindow(w, SW_SHOWNOACTIVATE);
    UpdateWindow(w);
    SetTimer(w, 1, 16, nullptr);
    emit("shown");
    flush_output();
    OUT_PATH.clear();
    const ULONGLONG end = GetTickCount64() + number_arg(a, 4, 10) * 1000;
    while (GetTickCount64() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    DestroyWindow(w);
    return 0;
}

const std::map<std::wstring, std::function<int(const Args&)>>& commands() {
    static const std::map<std::wstring, std::function<int(const Args&)>> table = {
        {L"post", cmd_post},
        {L"send", cmd_send},
        {L"zoom-time", cmd_zoom_time},
        {L"hold-hotkey", cmd_hold_hotkey},
        {L"windows", cmd_windows},
        {L"wait-window", cmd_wait_window},
        {L"wait-gone", cmd_wait_gone},
        {L"wait-menu", cmd_wait_menu},
        {L"foreground", cmd_foreground},
        {L"pid", cmd_pid},
        {L"wait-exit", cmd_wait_exit},
        {L"late-instance", cmd_late_instance},
        {L"private-bytes", cmd_private_bytes},
        {L"clip-set-text", cmd_clip_set_text},
        {L"clip-get-text", cmd_clip_get_text},
        {L"clip-formats", cmd_clip_formats},
        {L"clip-files", cmd_clip_files},
        {L"clip-set-files", cmd_clip_set_files},
        {L"clip-set-image", cmd_clip_set_image},
        {L"clip-set-dib", cmd_clip_set_dib},
        {L"pixels", cmd_pixels},
        {L"dark-count", cmd_dark_count},
        {L"template", cmd_template},
        {L"control", cmd_control},
        {L"control-text", cmd_control_text},
        {L"combo-items", cmd_combo_items},
        {L"combo-pick", cmd_combo_pick},
        {L"control-place", cmd_control_place},
        {L"client", cmd_client},
        {L"focus", cmd_focus},
        {L"balloons", cmd_balloons},
        {L"work-area", cmd_work_area},
        {L"children", cmd_children},
        {L"close", cmd_close},
        {L"hold-file", cmd_hold_file},
        {L"env", cmd_env},
        {L"processes", cmd_processes},
        {L"wait-processes", cmd_wait_processes},
        {L"animate", cmd_animate},
        {L"clip-dib", cmd_clip_dib},
        {L"screen-bmp", cmd_screen_bmp},
        {L"show-pattern", cmd_show_pattern},
        {L"show-image", cmd_show_image},
        {L"drag-copy-bench", cmd_drag_copy_bench},
        {L"capture-copy-soak", cmd_capture_copy_soak},
        {L"click", cmd_click},
        {L"keys", cmd_keys},
        {L"floor-bench", cmd_floor_bench},
        {L"focus-hold", cmd_focus_hold},
    };
    return table;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // "\n" line ends for the shell scripts
    Args rest;
    std::wstring desktop;
    for (int i = 1; i < argc; ++i) {
        const std::wstring s = argv[i];
        if (s == L"--desktop" && i + 1 < argc) desktop = argv[++i];
        else if (s == L"--out" && i + 1 < argc) OUT_PATH = argv[++i];
        else rest.push_back(s);
    }
    if (rest.empty() || !commands().count(rest[0])) {
        std::fprintf(stderr, "usage: oxel-helper [--desktop NAME] [--out FILE] COMMAND ARGS...\n");
        return 2;
    }
    if (!desktop.empty()) {
        // The desktop appears when the program's launch has made it; give that some time.
        HDESK d = nullptr;
        poll_until(20000, [&] { return (d = OpenDesktopW(desktop.c_str(), 0, FALSE, GENERIC_ALL)) != nullptr; });
        if (!d || !SetThreadDesktop(d)) {
            std::fprintf(stderr, "cannot use desktop %s: %lu\n", utf8(desktop).c_str(), GetLastError());
            return 1;
        }
    }
    const std::wstring name = rest[0];
    rest.erase(rest.begin());
    const int rc = commands().at(name)(rest);
    flush_output();
    return rc;
}
