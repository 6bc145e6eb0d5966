#pragma once
// A live pin's numbers: zoom and opacity steps, window size and the thumbnail's properties.
// Platform-free.
#include <cstdint>
#include <optional>
#include <vector>

#include "util/geometry.h"
#include "util/menu_model.h"

inline constexpr float LIVEPIN_SCALE_MIN = 0.1f;
inline constexpr float LIVEPIN_SCALE_MAX = 8.0f;
inline constexpr uint8_t LIVEPIN_OPACITY_MIN = 20;
inline constexpr uint8_t LIVEPIN_OPACITY_MAX = 100;
inline constexpr int32_t LIVEPIN_MIN_SIDE = 8;
inline constexpr uint32_t LIVEPIN_BORDER_COLOR = 0x59C734;  // COLORREF

// One wheel notch: x1.1 up, x(1/1.1) down; a step that crosses 1.0 by more than 0.001 lands
// on 1.0 exactly; kept within [0.1, 8].
float livepin_zoom_next(float scale, bool up);
// Ctrl+wheel: ten points up or down, within [20, 100].
uint8_t livepin_wheel_opacity(uint8_t opacity, bool up);

// The shown image of the source rectangle at that scale: max(8, round(side x scale)) per side.
// The window is 2 pixels larger (a 1-pixel border).
Size32 livepin_size(const Rect& source, float scale);

// DWM_THUMBNAIL_PROPERTIES as the live pin sets them.
inline constexpr uint32_t LIVEPIN_THUMBNAIL_FLAGS = 0x1F;  // destination, source, opacity, visible, client only
struct ThumbnailProps {
    uint32_t flags = LIVEPIN_THUMBNAIL_FLAGS;
    Rect destination;
    Rect source;
    uint8_t opacity = 255;
    bool visible = true;
    bool source_client_area_only = false;
    friend bool operator==(const ThumbnailProps&, const ThumbnailProps&) = default;
};
ThumbnailProps thumbnail_props(const Rect& source, float scale, uint8_t opacity_percent);

// The opacity menu: ids 200, 180, 160, 140 for 100, 80, 60 and 40 %.
inline constexpr uint32_t LIVEPIN_OPACITY_IDS[] = {200, 180, 160, 140};
std::optional<uint8_t> opacity_from_menu_id(uint32_t id);

enum LivePinCommand : uint32_t {
    LIVE_CMD_COPY_VIEW = 1,
    LIVE_CMD_MAKE_STATIC = 2,
    LIVE_CMD_ACTUAL_SIZE = 3,
    LIVE_CMD_CLOSE = 4,
};
// Copy current view, Turn into a normal pin, Actual size, Opacity (the current one checked),
// Close.
std::vector<MenuItem> livepin_menu_model(uint8_t opacity);

// The part of the screen selection inside the source window's current rectangle (screen
// coordinates); none when nothing is.
std::optional<Rect> live_pin_area(const Rect& screen_selection, const Rect& window_rect);
// The pinned area (screen coordinates) relative to the source window's rectangle.
Rect livepin_source_rect(const Rect& area, const Rect& source_window);
