#include "capture/session_rules.h"

#include <algorithm>

bool needs_dwm_flush(bool pin_edit, std::optional<double> ms_since_last_session_end) {
    if (pin_edit) return true;
    return ms_since_last_session_end && *ms_since_last_session_end < DWM_FLUSH_WINDOW_MS;
}

int32_t overlay_font_height(float scale) {
    const double h = std::round(12.0 * static_cast<double>(scale));
    if (!(h >= 1.0)) return 1;  // also NaN
    return h > 1000.0 ? 1000 : static_cast<int32_t>(h);
}

PinEditPlacement pin_edit_placement(int32_t image_x, int32_t image_y, int32_t image_w, int32_t image_h,
                                    int32_t origin_x, int32_t origin_y, int32_t screen_w, int32_t screen_h) {
    // Overlay coordinates in 64 bits: odd window positions must not wrap around.
    const int64_t ox = int64_t{image_x} - origin_x, oy = int64_t{image_y} - origin_y;
    const int64_t l = std::max<int64_t>(ox, 0), t = std::max<int64_t>(oy, 0);
    const int64_t r = std::min<int64_t>(ox + std::max(image_w, 0), std::max(screen_w, 0));
    const int64_t b = std::min<int64_t>(oy + std::max(image_h, 0), std::max(screen_h, 0));
    PinEditPlacement p;
    if (l < r && t < b) p.selection = {saturate_i32(l), saturate_i32(t), saturate_i32(r), saturate_i32(b)};
    p.offset_x = saturate_i32(ox);
    p.offset_y = saturate_i32(oy);
    return p;
}

bool monitors_cover(const std::vector<Rect>& monitors, const Rect& screen) {
    int64_t covered = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        // A cloned display is listed twice but covers its place once.
        if (std::find(monitors.begin(), monitors.begin() + static_cast<std::ptrdiff_t>(i), monitors[i]) !=
            monitors.begin() + static_cast<std::ptrdiff_t>(i))
            continue;
        covered += intersect(monitors[i], screen).area();
    }
    return !screen.empty() && covered >= screen.area();
}
