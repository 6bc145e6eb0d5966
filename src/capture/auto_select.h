#pragma once
// Auto-selection: the window, UI element or monitor under a point of the overlay. Rectangles are
// in overlay coordinates (screen minus the virtual screen's origin) unless named screen_*.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "util/geometry.h"

// An HWND as an integer (as UI Automation requests carry it), so this file needs no Windows header.
using WindowHandle = uintptr_t;

struct WindowTarget {
    Rect rect;  // screen coordinates when enumerated, overlay coordinates in a session
    WindowHandle window = 0;
    friend bool operator==(const WindowTarget&, const WindowTarget&) = default;
};

inline constexpr uint32_t EX_STYLE_TRANSPARENT = 0x20;  // WS_EX_TRANSPARENT
inline constexpr int32_t MIN_WINDOW_SIDE = 4;

// The window filter: the window's rectangle when it is kept, none when it is left out. The
// probe answers visible(), iconic(), ex_style(), cloaked() (none when the read fails),
// class_name() (u16string), frame_bounds() (none when the read fails) and window_rect(); each
// is asked only when the tests before it passed, so a dropped window costs no further calls.
template <class Probe>
std::optional<Rect> filter_window(Probe& w) {
    if (!w.visible() || w.iconic() || (w.ex_style() & EX_STYLE_TRANSPARENT) != 0) return std::nullopt;
    if (const std::optional<uint32_t> cloaked = w.cloaked(); cloaked && *cloaked != 0) return std::nullopt;
    const std::u16string cls = w.class_name();
    if (cls == u"Progman" || cls == u"WorkerW") return std::nullopt;
    std::optional<Rect> rect = w.frame_bounds();
    if (!rect) rect = w.window_rect();
    if (int64_t{rect->r} - rect->l < MIN_WINDOW_SIDE || int64_t{rect->b} - rect->t < MIN_WINDOW_SIDE)
        return std::nullopt;
    return rect;
}

struct ElementHover {
    WindowHandle window = 0;
    int32_t x = 0, y = 0;
    std::vector<Rect> elements;
};

struct ElementRequestKey {
    WindowHandle window = 0;
    int32_t x = 0, y = 0;
    friend bool operator==(const ElementRequestKey&, const ElementRequestKey&) = default;
};

// An element query to send: the point in screen coordinates and the window under it.
struct ElementQuery {
    int32_t screen_x = 0, screen_y = 0;
    WindowHandle window = 0;
    friend bool operator==(const ElementQuery&, const ElementQuery&) = default;
};

// One UI Automation answer: element rectangles (screen coordinates, innermost first) under a
// point (screen coordinates) of a window.
struct ElementAnswer {
    WindowHandle window = 0;
    int32_t screen_x = 0, screen_y = 0;
    std::vector<Rect> elements;
};

struct AutoSelect {
    int32_t origin_x = 0, origin_y = 0;  // the virtual screen's top-left in screen coordinates
    int32_t width = 0, height = 0;
    CaptureDetect detect = CaptureDetect::Window;
    std::vector<Rect> monitors;          // EnumDisplayMonitors order
    std::vector<WindowTarget> windows;   // top-most first
    std::map<WindowHandle, std::vector<Rect>> element_cache;  // per window, arrival order, no two equal
    std::optional<ElementHover> hover;
    std::optional<ElementRequestKey> last_request;
    size_t wheel_index = 0;              // 0 is the smallest nested rectangle
};

// A screen rectangle or point moved into overlay coordinates (clamped, never wrapping).
Rect to_overlay(const AutoSelect& s, const Rect& screen);

struct HitTest {
    std::optional<Rect> rect;             // the hovered rectangle
    std::optional<ElementQuery> request;  // an element query the caller sends
};

HitTest hit_test_window_element(AutoSelect& s, int32_t x, int32_t y);
// Drops an answer without a window or for a window not listed; otherwise caches its elements
// and makes it the hover result.
void merge_uia_result(AutoSelect& s, const ElementAnswer& answer);
// The first monitor nearest the point; the whole virtual screen when there is none.
Rect nearest_monitor(const AutoSelect& s, int32_t x, int32_t y);
