#pragma once
// Rules of a capture session that need no window: when to wait for the compositor, the font
// size, and where a pin's image and annotations go while the overlay edits them.
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "util/geometry.h"

// The compositor's last frame may still show the previous overlay shortly after a session ends.
inline constexpr double DWM_FLUSH_WINDOW_MS = 100.0;

bool needs_dwm_flush(bool pin_edit, std::optional<double> ms_since_last_session_end);

// round(12 x scale), at least 1.
int32_t overlay_font_height(float scale);

struct PinEditPlacement {
    Rect selection;         // overlay coordinates; the zero rectangle when nothing is on screen
    int32_t offset_x = 0;   // pin image position minus the virtual screen's origin
    int32_t offset_y = 0;
};

// The pin's image (top-left at image_x, image_y in screen coordinates, image_w x image_h) over
// the virtual screen (origin, size).
PinEditPlacement pin_edit_placement(int32_t image_x, int32_t image_y, int32_t image_w, int32_t image_h,
                                    int32_t origin_x, int32_t origin_y, int32_t screen_w, int32_t screen_h);

// True when the monitors (screen coordinates, never overlapping) leave no part of the virtual
// screen uncovered: a grab then writes every pixel of a reused bitmap.
bool monitors_cover(const std::vector<Rect>& monitors, const Rect& screen);

// Every point of every annotation moved by (dx, dy); works on any annotation type whose
// `points` hold float x and y.
template <class Annotation>
std::vector<Annotation> moved_annotations(const std::vector<Annotation>& list, int32_t dx, int32_t dy) {
    std::vector<Annotation> out = list;
    const float fx = static_cast<float>(dx), fy = static_cast<float>(dy);
    for (Annotation& a : out)
        for (auto& p : a.points) {
            p.x += fx;
            p.y += fy;
        }
    return out;
}
