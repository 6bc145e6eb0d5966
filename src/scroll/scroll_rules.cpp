#include "scroll/scroll_rules.h"

#include <algorithm>
#include <optional>

namespace {
constexpr uint32_t VK_ENTER = 0x0D, VK_ESC = 0x1B, VK_SPACE_BAR = 0x20, VK_KEY_C = 0x43, VK_KEY_P = 0x50,
                   VK_KEY_S = 0x53, VK_FN_3 = 0x72;

Rect bounding(const Rect& a, const Rect& b) {
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b)};
}

bool overlaps(const Rect& a, const Rect& b) { return !intersect(a, b).empty(); }

std::string scroll_size_text(int32_t width, int32_t height) {
    return std::to_string(width) + " \u00D7 " + std::to_string(height);
}

// The parts of `a` beside `w` that still hold the region, in the order below, above, right, left.
Rect avoid_window(const Rect& a, const Rect& region, const Rect& w) {
    std::optional<Rect> best;
    const auto consider = [&](bool fits, Rect candidate) {
        if (fits && (!best || candidate.area() > best->area())) best = candidate;
    };
    consider(region.t >= w.b, {a.l, w.b, a.r, a.b});
    consider(region.b <= w.t, {a.l, a.t, a.r, w.t});
    consider(region.l >= w.r, {w.r, a.t, a.r, a.b});
    consider(region.r <= w.l, {a.l, a.t, w.l, a.b});
    return best.value_or(a);
}
}  // namespace

Point32 region_centre(const Rect& region) {
    return {static_cast<int32_t>(region.l + region.width64() / 2), static_cast<int32_t>(region.t + region.height64() / 2)};
}

Rect scroll_capture_rect(const Rect& region, std::span<const Rect> windows, const Rect& monitor) {
    const Point32 centre = region_centre(region);
    const auto under = std::find_if(windows.begin(), windows.end(),
                                    [&](const Rect& w) { return w.contains(centre.x, centre.y); });
    if (under == windows.end()) return region;
    const Rect clipped = intersect(*under, monitor);
    Rect a = clipped.empty() ? region : bounding(region, clipped);
    for (auto w = windows.begin(); w != under; ++w)
        if (overlaps(*w, a) && !overlaps(*w, region)) a = avoid_window(a, region, *w);
    return a;
}

Rect region_clear_of(const Rect& region, std::span<const Rect> windows) {
    Rect out = region;
    for (const Rect& w : windows) {
        if (!overlaps(w, out)) continue;
        const Rect above{out.l, out.t, out.r, std::min(w.t, out.b)};
        const Rect below{out.l, std::max(w.b, out.t), out.r, out.b};
        const Rect& taller = below.height64() > above.height64() ? below : above;
        // A window over nearly every row is left where it is rather than leaving nothing.
        if (taller.height64() >= SCROLL_MIN_SIDE) out = taller;
    }
    return out;
}

uint32_t mouse_tolerance(const Rect& region) {
    const int64_t shorter = std::min(region.width64(), region.height64());
    if (shorter < 18) return 6;
    return static_cast<uint32_t>(std::min<int64_t>(shorter / 3, 40));
}

int32_t scroll_max_rows(int32_t region_width) {
    if (region_width <= 0) return SCROLL_MAX_ROWS_CAP;
    return static_cast<int32_t>(std::min<int64_t>(SCROLL_MAX_PIXELS / region_width, SCROLL_MAX_ROWS_CAP));
}

ScrollCommand scroll_key_action(uint32_t vk, bool ctrl) {
    switch (vk) {
        case VK_ESC: return ScrollCommand::Cancel;
        case VK_SPACE_BAR: return ScrollCommand::ToggleAuto;
        case VK_ENTER: return ScrollCommand::Copy;
        case VK_KEY_C: return ctrl ? ScrollCommand::Copy : ScrollCommand::None;
        case VK_KEY_P:
        case VK_FN_3: return ScrollCommand::Pin;
        case VK_KEY_S: return ctrl ? ScrollCommand::Save : ScrollCommand::None;
        default: return ScrollCommand::None;
    }
}

ScrollCommand scroll_button_action(int32_t id) {
    switch (id) {
        case 1: return ScrollCommand::ToggleAuto;
        case 2: return ScrollCommand::Cancel;
        case 3: return ScrollCommand::Pin;
        case 4: return ScrollCommand::Save;
        case 5: return ScrollCommand::Copy;
        default: return ScrollCommand::None;
    }
}

std::vector<FrameButton> scroll_frame_buttons(const UiStrings& table) {
    return {{1, table[SCROLL_AUTO]},
            {2, std::string(table[TOOLBAR_CANCEL]) + "  Esc"},
            {3, table[TOOLBAR_PIN]},
            {4, table[TOOLBAR_SAVE]},
            {5, std::string(table[TOOLBAR_COPY]) + "  Enter"}};
}

std::string scroll_status_text(const ScrollStatus& status, const UiStrings& table) {
    switch (status.kind) {
        case ScrollStatusKind::Hint: return table[SCROLL_HINT];
        case ScrollStatusKind::AutoRunning: return table[SCROLL_AUTO_RUNNING];
        // The end texts keep the size the capture reached beside them.
        case ScrollStatusKind::EndReached:
        case ScrollStatusKind::MaxLength:
            return std::string(table[status.kind == ScrollStatusKind::EndReached ? SCROLL_END_REACHED : SCROLL_MAX_LENGTH]) +
                   "  \u00B7  " + scroll_size_text(status.width, status.height);
        case ScrollStatusKind::TooFast: return table[SCROLL_TOO_FAST];
        case ScrollStatusKind::Size: break;
    }
    return scroll_size_text(status.width, status.height);
}

std::vector<std::string> scroll_status_samples(const UiStrings& table) {
    // Digits are equally wide in UI fonts: eights stand for any size the capture reaches.
    constexpr int32_t WIDEST = 88888;
    std::vector<std::string> samples;
    for (const ScrollStatusKind kind : {ScrollStatusKind::Hint, ScrollStatusKind::AutoRunning,
                                        ScrollStatusKind::EndReached, ScrollStatusKind::MaxLength,
                                        ScrollStatusKind::TooFast, ScrollStatusKind::Size})
        samples.push_back(scroll_status_text(ScrollStatus{kind, WIDEST, WIDEST}, table));
    return samples;
}

PreviewPlacement preview_placement(int32_t source_width, int32_t source_rows, int32_t client_width,
                                   int32_t client_height) {
    if (source_width <= 0 || source_rows <= 0 || client_width <= 0 || client_height <= 0) return {};
    // scale = client width / source width, kept as that fraction so no row is lost to rounding
    const int64_t fit = int64_t{client_height} * source_width / client_width;
    const int32_t rows = static_cast<int32_t>(std::clamp<int64_t>(fit, 1, source_rows));
    const int64_t height = (2 * int64_t{client_width} * rows + source_width) / (2 * int64_t{source_width});
    const int32_t dest_height = static_cast<int32_t>(std::clamp<int64_t>(height, 1, client_height));
    return {source_rows - rows, rows, client_height - dest_height, dest_height};
}
