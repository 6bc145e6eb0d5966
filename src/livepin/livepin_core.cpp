#include "livepin/livepin_core.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Keeps the window (side + 2) and the destination (side + 1) inside 32 bits.
constexpr int32_t MAX_SIDE = INT32_MAX - 2;

int32_t shown_side(int64_t side, float scale) {
    const double v = std::round(static_cast<double>(side) * static_cast<double>(scale));
    if (!(v >= LIVEPIN_MIN_SIDE)) return LIVEPIN_MIN_SIDE;
    return v >= MAX_SIDE ? MAX_SIDE : static_cast<int32_t>(v);
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

LiveSize livepin_size(const Rect& source, float scale) {
    return {shown_side(source.width64(), scale), shown_side(source.height64(), scale)};
}

ThumbnailProps thumbnail_props(const Rect& source, float scale, uint8_t opacity_percent) {
    const LiveSize s = livepin_size(source, scale);
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

Rect livepin_source_rect(const Rect& area, const Rect& source_window) {
    const auto rel = [](int32_t v, int32_t origin) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} - origin, INT32_MIN, INT32_MAX));
    };
    return {rel(area.l, source_window.l), rel(area.t, source_window.t), rel(area.r, source_window.l),
            rel(area.b, source_window.t)};
}
