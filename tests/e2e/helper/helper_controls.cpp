// The helper's commands that read and drive controls of the program's windows from another
// process: their place and state, an edit's text, a combo box's items and a user's pick, a
// window's client size and which control has its focus.
#include <algorithm>

#include "helper.h"

#include <commctrl.h>

namespace {

// The child control ID of the first top-level window of class CLASS (a[0], a[1]); null with a
// line saying what is missing.
HWND find_control(const Args& a) {
    const HWND top = FindWindowW(a[0].c_str(), nullptr);
    if (!top) {
        emit("no window");
        return nullptr;
    }
    const HWND c = GetDlgItem(top, static_cast<int>(number_arg(a, 1, 0)));
    if (!c) emit("no control");
    return c;
}

// Another process's control answers through its own thread; a hung one must not hang us.
LRESULT send(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

// control CLASS ID: "L T R B" on screen, "enabled"/"disabled", "checked"/"unchecked", and
// "focus" when it has the keyboard focus of its thread.
int cmd_control(const Args& a) {
    if (a.size() < 2) return 2;
    const HWND c = find_control(a);
    if (!c) return 1;
    RECT r{};
    GetWindowRect(c, &r);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const bool focus = GetGUIThreadInfo(GetWindowThreadProcessId(c, nullptr), &info) && info.hwndFocus == c;
    emit(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
         std::to_string(r.bottom) + (IsWindowEnabled(c) ? " enabled" : " disabled") +
         (send(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : " unchecked") + (focus ? " focus" : ""));
    return 0;
}

// control-text CLASS ID: the control's text (WM_GETTEXT), line ends as the control holds them.
int cmd_control_text(const Args& a) {
    if (a.size() < 2) return 2;
    const HWND c = find_control(a);
    if (!c) return 1;
    std::wstring text(static_cast<size_t>(send(c, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(send(c, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    emit(utf8(text));
    return 0;
}

// combo-items CLASS ID: the combo box's items, one per line, then "selected N".
int cmd_combo_items(const Args& a) {
    if (a.size() < 2) return 2;
    const HWND c = find_control(a);
    if (!c) return 1;
    const auto count = static_cast<int>(send(c, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring item(static_cast<size_t>(std::max<LRESULT>(send(c, CB_GETLBTEXTLEN, i, 0), 0)) + 1, L'\0');
        const LRESULT n = send(c, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
        emit(utf8(item));
    }
    emit("selected " + std::to_string(static_cast<int>(send(c, CB_GETCURSEL, 0, 0))));
    return 0;
}

// combo-pick CLASS ID INDEX...: picks each item in turn as a user's choice does (the selection,
// then CBN_SELCHANGE to the parent), each handled before the next.
int cmd_combo_pick(const Args& a) {
    if (a.size() < 3) return 2;
    const HWND c = find_control(a);
    if (!c) return 1;
    const auto id = static_cast<WORD>(number_arg(a, 1, 0));
    for (size_t i = 2; i < a.size(); ++i) {
        send(c, CB_SETCURSEL, static_cast<WPARAM>(number_arg(a, i, 0)), 0);
        send(GetParent(c), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
    }
    emit("picked");
    return 0;
}

// control-place CLASS ID: the control's place in its parent's client area, "x y w h".
int cmd_control_place(const Args& a) {
    if (a.size() < 2) return 2;
    const HWND c = find_control(a);
    if (!c) return 1;
    RECT r{};
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    emit(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
         std::to_string(r.bottom - r.top));
    return 0;
}

// client CLASS: the client size of the first top-level window of that class, "w h".
int cmd_client(const Args& a) {
    if (a.empty()) return 2;
    const HWND w = FindWindowW(a[0].c_str(), nullptr);
    RECT r{};
    if (!w || !GetClientRect(w, &r)) {
        emit("no window");
        return 1;
    }
    emit(std::to_string(r.right) + " " + std::to_string(r.bottom));
    return 0;
}

// focus CLASS: the id of the control that has its thread's keyboard focus inside the first
// top-level window of that class ("none" when the focus is elsewhere).
int cmd_focus(const Args& a) {
    if (a.empty()) return 2;
    const HWND w = FindWindowW(a[0].c_str(), nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!w || !GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) || !info.hwndFocus ||
        !IsChild(w, info.hwndFocus)) {
        emit("none");
        return 1;
    }
    emit(std::to_string(GetDlgCtrlID(info.hwndFocus)));
    return 0;
}

// balloons: the text of every tray balloon on screen, one per line (the shell shows a balloon
// as a top-level balloon tooltip; its line breaks are written as \n).
int cmd_balloons(const Args&) {
    for (const Found& f : find_windows(L"tooltips_class32", true)) {
        if (!(GetWindowLongW(f.window, GWL_STYLE) & TTS_BALLOON)) continue;
        wchar_t text[1024] = {};
        send(f.window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
        std::string line = utf8(text);
        for (size_t at = line.find('\n'); at != std::string::npos; at = line.find('\n', at + 2)) line.replace(at, 1, "\\n");
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        emit(line);
    }
    return 0;
}

// work-area L T R B: sets the desktop's work area, as a taskbar does (the system keeps the
// monitor's whole rectangle without one).
int cmd_work_area(const Args& a) {
    RECT r{static_cast<LONG>(number_arg(a, 0, 0)), static_cast<LONG>(number_arg(a, 1, 0)),
           static_cast<LONG>(number_arg(a, 2, 0)), static_cast<LONG>(number_arg(a, 3, 0))};
    if (!SystemParametersInfoW(SPI_SETWORKAREA, 0, &r, SPIF_SENDCHANGE)) {
        emit("failed " + std::to_string(GetLastError()));
        return 1;
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{r.left, r.top}, MONITOR_DEFAULTTONEAREST), &info);
    emit("work " + std::to_string(info.rcWork.left) + " " + std::to_string(info.rcWork.top) + " " +
         std::to_string(info.rcWork.right) + " " + std::to_string(info.rcWork.bottom));
    return 0;
}

// children CLASS: every child control of the first top-level window of that class, one line
// each: "ID L T R B" on screen, and "hidden" for one that is not visible.
int cmd_children(const Args& a) {
    if (a.empty()) return 2;
    const HWND top = FindWindowW(a[0].c_str(), nullptr);
    if (!top) {
        emit("no window");
        return 1;
    }
    EnumChildWindows(
        top,
        [](HWND c, LPARAM) -> BOOL {
            RECT r{};
            GetWindowRect(c, &r);
            emit(std::to_string(GetDlgCtrlID(c)) + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                 std::to_string(r.right) + " " + std::to_string(r.bottom) + (IsWindowVisible(c) ? "" : " hidden"));
            return TRUE;
        },
        0);
    return 0;
}
