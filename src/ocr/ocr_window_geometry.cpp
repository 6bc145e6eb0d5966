#include "ocr/ocr_window_geometry.h"

#include <algorithm>
#include <cmath>

#include "util/text.h"

namespace {

ControlPlace place(int64_t x, int64_t y, int64_t w, int64_t h) {
    return {saturate_i32(x), saturate_i32(y), saturate_i32(std::max<int64_t>(w, 0)), saturate_i32(std::max<int64_t>(h, 0))};
}

}  // namespace

int32_t trunc_i32(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}

int32_t ocr_scale(float v, uint32_t dpi) {
    const float d = static_cast<float>(std::max<uint32_t>(dpi, 96));
    return trunc_i32(std::round(v * d / 96.0f));
}

OcrWindowSize ocr_window_size(std::string_view lang_code, uint32_t monitor_dpi) {
    const float s = static_cast<float>(monitor_dpi) / 96.0f;
    const bool narrow = (lang_code.size() >= 2 && starts_with(lang_code, "zh")) || lang_code == "en";
    return {trunc_i32((narrow ? 520.0f : 720.0f) * s), trunc_i32(380.0f * s)};
}

int32_t ocr_font_height(uint32_t monitor_dpi) { return trunc_i32(15.0f * (static_cast<float>(monitor_dpi) / 96.0f)); }

OcrPoint ocr_window_origin(const Rect& placement, const Rect& work, OcrWindowSize size) {
    const int64_t w = size.width, h = size.height;
    int64_t x = 0;
    if (int64_t{placement.r} + w + 8 <= work.r) {
        x = int64_t{placement.r} + 8;
    } else {
        x = int64_t{placement.l} - w - 8;
        if (x < work.l) x = placement.l + (placement.width64() - w) / 2;
    }
    x = std::max<int64_t>(std::min<int64_t>(x, work.r - w), work.l);
    const int64_t y = std::max<int64_t>(std::min<int64_t>(placement.t, work.b - h), work.t);
    return {saturate_i32(x), saturate_i32(y)};
}

ControlPlace ocr_language_box_place(int32_t client_width, uint32_t dpi) {
    const int64_t m = ocr_scale(10, dpi), lw = ocr_scale(90, dpi);
    return place(m + lw, m, std::min<int64_t>(ocr_scale(420, dpi), client_width - lw - 2 * m), ocr_scale(300, dpi));
}

OcrLayout ocr_window_layout_places(const OcrLayoutInput& in) {
    const auto S = [&](float v) { return int64_t{ocr_scale(v, in.dpi)}; };
    const int64_t W = in.client_width, H = in.client_height;
    const int64_t m = S(10);
    OcrLayout out;
    int64_t top = m;
    if (in.language_box) {
        const int64_t row = std::max<int64_t>(in.box_height, S(28));
        out.label = place(m, m, S(90), row);
        top = m + row + m / 2;
    }
    const int64_t bh = S(32), by = H - m - bh;
    const int64_t cw = std::max<int64_t>(in.close_text, S(120));
    const int64_t kw = std::max<int64_t>(in.copy_text, S(120));
    const int64_t tw = std::max<int64_t>(in.translate_text, S(80));
    const int64_t ow = std::max<int64_t>(in.open_text, S(120));
    out.edit = place(m, top, W - 2 * m, H - top - bh - 2 * m);
    out.close = place(W - m - cw, by, cw, bh);
    out.copy = place(W - 2 * m - cw - kw, by, kw, bh);
    const int64_t tx = W - 3 * m - cw - kw - tw;
    out.translate = place(tx, by, tw, bh);
    out.keep_breaks = place(m + S(2), by, std::max<int64_t>(0, tx - 2 * m), bh);
    out.open_link = place(m, by, ow, bh);
    return out;
}
