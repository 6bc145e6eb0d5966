#include "livepin/livepin_core.h"

#include "pin/pin_geometry.h"
#include "strings/ui_strings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace {

// Keeps the window (side + 2) and the destination (side + 1) inside 32 bits.
constexpr int32_t MAX_SIDE = INT32_MAX - 2;

// The product in single precision, as the scale is kept.
int32_t shown_side(int64_t side, float scale) {
    return saturating_round(static_cast<float>(side) * scale, LIVEPIN_MIN_SIDE, MAX_SIDE);
}

}  // namespace

float livepin_zoom_next(float scale, bool up) {
    if (!(scale == scale)) return 1.0f;
    const float n = up ? scale * 1.1f : scale * 0.9090909f;
    const bool crosses = (scale < 1.0f && n > 1.0f) || (scale > 1.0f && n < 1.0f);
    if (crosses && std::fabs(n - 1.0f) > 0.001f) return 1.0f;
    return std::clamp(n, LIVEPIN_SCALE_MIN, LIVEPIN_SCALE_MAX);
}

uint8_t livepin_wheel_opacity(uint8_t opacity, bool up) {
    const int v = up ? opacity + 10 : opacity - 10;
    return static_cast<uint8_t>(std::clamp<int>(v, LIVEPIN_OPACITY_MIN, LIVEPIN_OPACITY_MAX));
}

Size32 livepin_size(const Rect& source, float scale) {
    return {shown_side(source.width64(), scale), shown_side(source.height64(), scale)};
}

ThumbnailProps thumbnail_props(const Rect& source, float scale, uint8_t opacity_percent) {
    const Size32 s = livepin_size(source, scale);
    ThumbnailProps p;
    p.destination = {1, 1, s.w + 1, s.h + 1};
    p.source = source;
    p.opacity = static_cast<uint8_t>(std::min<unsigned>(opacity_percent, 100) * 255 / 100);
    return p;
}

std::optional<uint8_t> opacity_from_menu_id(uint32_t id) {
    for (uint32_t known : LIVEPIN_OPACITY_IDS)
        if (id == known) return static_cast<uint8_t>(id - 100);
    return std::nullopt;
}

std::optional<Rect> live_pin_area(const Rect& screen_selection, const Rect& window_rect) {
    const Rect r = intersect(screen_selection, window_rect);
    if (r.empty()) return std::nullopt;
    return r;
}

Rect livepin_source_rect(const Rect& area, const Rect& source_window) {
    const auto rel = [](int32_t v, int32_t origin) { return saturate_i32(int64_t{v} - origin); };
    return {rel(area.l, source_window.l), rel(area.t, source_window.t), rel(area.r, source_window.l),
            rel(area.b, source_window.t)};
}

std::vector<MenuItem> livepin_menu_model(uint8_t opacity) {
    std::vector<MenuItem> menu;
    menu.push_back(menu_item(LIVE_CMD_COPY_VIEW, ui_text(LIVE_MENU_COPY_VIEW)));
    menu.push_back(menu_item(LIVE_CMD_MAKE_STATIC, ui_text(LIVE_MENU_MAKE_STATIC)));
    menu.push_back(menu_item(LIVE_CMD_ACTUAL_SIZE, ui_text(PIN_MENU_ACTUAL_SIZE)));
    MenuItem steps = menu_item(0, ui_text(PIN_MENU_OPACITY));
    for (const uint32_t id : LIVEPIN_OPACITY_IDS) {
        const uint32_t percent = id - 100;
        MenuItem step = menu_item(id, std::to_string(percent) + "%");
        step.checked = percent == opacity;
        steps.submenu.push_back(std::move(step));
    }
    menu.push_back(std::move(steps));
    menu.push_back(menu_separator());
    menu.push_back(menu_item(LIVE_CMD_CLOSE, ui_text(PIN_MENU_CLOSE)));
    return menu;
}
