#include "frame/frame_layout.h"

#include <algorithm>
#include <cmath>

int32_t frame_px(double n, float scale) {
    return static_cast<int32_t>(std::lround(n * static_cast<double>(scale)));
}

FrameLayout frame_layout(const Rect& rect, const Rect& work, float scale, std::span<const int32_t> label_widths,
                         bool show_preview, int32_t status_width) {
    const auto px = [scale](double n) { return frame_px(n, scale); };
    FrameLayout out;

    const int32_t b = std::max(2, px(2));
    out.border = b;
    out.ring = {rect.l - b, rect.t - b, rect.r + b, rect.b + b};
    out.hole = {b, b, b + rect.width(), b + rect.height()};

    const int32_t pad = px(6), gap = px(4), height = px(30);
    const int32_t usual_start = pad + px(170);
    int32_t buttons_width = 0;
    for (const int32_t w : label_widths) buttons_width += w + px(22) + gap;
    // The widest text plus a gap before the first button; on a narrow work area only what fits.
    const int64_t wanted = int64_t{px(12)} + std::max(status_width, 0) + px(8);
    const int64_t room = int64_t{work.width()} - buttons_width - pad + gap;
    const int32_t start =
        static_cast<int32_t>(std::max<int64_t>(usual_start, std::min(wanted, std::max<int64_t>(room, usual_start))));
    out.status = {px(12), 0, start, height + 2 * pad};
    int32_t x = start;
    for (const int32_t w : label_widths) {
        const Rect button{x, pad, x + w + px(22), pad + height};
        out.buttons.push_back(button);
        x = button.r + gap;
    }
    const int32_t strip_w = x + pad - gap;
    const int32_t strip_h = height + 2 * pad;
    const int32_t d = px(8);

    int32_t sx = std::max(std::min(work.r, out.ring.r) - strip_w, work.l);
    int32_t sy;
    if (out.ring.b + d + strip_h <= work.b) {
        sy = out.ring.b + d;
    } else if (out.ring.t - d - strip_h >= work.t) {
        sy = out.ring.t - d - strip_h;
    } else {
        sy = std::min(work.b, rect.b) - d - strip_h;
    }
    sy = std::max(std::min(sy, work.b - strip_h), work.t);
    out.strip = {sx, sy, sx + strip_w, sy + strip_h};
    out.corner = 2 * px(5);

    if (show_preview) {
        const int32_t pw = px(150);
        // On a work area shorter than 160 s the lower bound gives way: the preview stays on it.
        int32_t ph = std::min(std::max(rect.height(), px(120)), work.height() - px(40));
        ph = std::max(ph, 1);
        std::optional<int32_t> px_left;
        if (out.ring.r + d + pw <= work.r) {
            px_left = out.ring.r + d;
        } else if (out.ring.l - d - pw >= work.l) {
            px_left = out.ring.l - d - pw;
        }
        if (px_left) {
            const int32_t py = std::max(std::min(work.b - ph, rect.t), work.t);
            out.preview = Rect{*px_left, py, *px_left + pw, py + ph};
        }
    }
    return out;
}

std::optional<size_t> hit_button(std::span<const Rect> buttons, int32_t x, int32_t y) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].contains(x, y)) return i;
    }
    return std::nullopt;
}
