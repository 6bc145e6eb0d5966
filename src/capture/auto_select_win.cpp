#include "capture/auto_select_win.h"

#include <dwmapi.h>

#include <string>
#include <utility>

namespace {

class Win32WindowProbe {
public:
    explicit Win32WindowProbe(HWND window) : w_(window) {}
    bool visible() const { return IsWindowVisible(w_) != FALSE; }
    bool iconic() const { return IsIconic(w_) != FALSE; }
    uint32_t ex_style() const { return static_cast<uint32_t>(GetWindowLongPtrW(w_, GWL_EXSTYLE)); }
    std::optional<uint32_t> cloaked() const {
        DWORD value = 0;
        if (FAILED(DwmGetWindowAttribute(w_, DWMWA_CLOAKED, &value, sizeof value))) return std::nullopt;
        return static_cast<uint32_t>(value);
    }
    std::u16string class_name() const {
        wchar_t buf[32];
        const int n = GetClassNameW(w_, buf, 32);
        if (n <= 0) return {};
        return std::u16string(reinterpret_cast<const char16_t*>(buf), static_cast<size_t>(n));
    }
    std::optional<Rect> frame_bounds() const {
        RECT r{};
        if (FAILED(DwmGetWindowAttribute(w_, DWMWA_EXTENDED_FRAME_BOUNDS, &r, sizeof r))) return std::nullopt;
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    Rect window_rect() const {
        RECT r{};
        if (!GetWindowRect(w_, &r)) return {};
        return Rect{r.left, r.top, r.right, r.bottom};
    }

private:
    HWND w_;
};

}  // namespace

BOOL CALLBACK window_enum_proc(HWND window, LPARAM list) {
    auto* out = reinterpret_cast<WindowEnumList*>(list);
    if (window == out->exclude) return TRUE;
    Win32WindowProbe probe(window);
    if (const std::optional<Rect> rect = filter_window(probe))
        out->windows.push_back(WindowTarget{*rect, reinterpret_cast<WindowHandle>(window)});
    return TRUE;
}

std::vector<WindowTarget> enumerate_windows(HWND exclude) {
    WindowEnumList list;
    list.exclude = exclude;
    EnumWindows(window_enum_proc, reinterpret_cast<LPARAM>(&list));
    return std::move(list.windows);
}
