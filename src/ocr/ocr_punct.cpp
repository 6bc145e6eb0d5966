#include "ocr/ocr_punct.h"

#include <algorithm>
#include <cmath>

#include "ocr/ocr_chars.h"
#include "util/text.h"

namespace {

struct Companion {
    bool found = false;
    bool spans = false;  // covers the whole search width
};

// A mark above or below the box, as for ":" or ";".
Companion companion(const InkInfo& ink, int64_t x0, int64_t x1, int64_t y0, int64_t y1, float w, float limit) {
    const std::optional<PixelBox> b = find_ink_bbox(ink, x0, y0, x1, y1);
    if (!b) return {};
    const float bw = static_cast<float>(b->x1 - b->x0), bh = static_cast<float>(b->y1 - b->y0);
    if (bw < 0.4f * w || bh < 0.3f * w || bw > limit || bh > limit) return {};
    return {true, b->x0 <= x0 && b->x1 >= x1};
}

std::optional<char32_t> first_char(const std::string& text) {
    const std::u32string cps = utf8_to_utf32(text);
    if (cps.empty()) return std::nullopt;
    return cps.front();
}

std::optional<char32_t> last_char(const std::string& text) {
    const std::u32string cps = utf8_to_utf32(text);
    if (cps.empty()) return std::nullopt;
    return cps.back();
}

}  // namespace

std::optional<char32_t> classify_punct_blob(OcrBox box, float a, float t, std::optional<char32_t> p,
                                            std::optional<char32_t> n, const InkInfo* ink) {
    const float rw = box.width / t, rh = box.height / t;
    const float cy = (box.y + 0.5f * box.height - a) / t;
    const bool pw = p && is_wide(*p), nw = n && is_wide(*n);
    const char32_t colon = (pw || nw) ? U'\uFF1A' : U':';
    constexpr char32_t ONE = U'\u4E00';

    // 1. A flat dash.
    if (rw >= 0.7f && rw <= 1.2f && rh <= 0.15f) {
        if (!n || !nw) return std::nullopt;
        if (p && is_ascii_alnum(*p)) return std::nullopt;
        return ONE;
    }
    // 2. Only next to CJK text or at the line's end.
    if (!p || !(pw || nw || !n)) return std::nullopt;

    // 3. A companion mark above or below makes a colon or semicolon.
    bool d = false;
    if (ink && rw <= 0.45f && rh <= 0.45f) {
        const int64_t x0 = trunc_sat(box.x - 0.05f * t), x1 = trunc_ceil(box.x + box.width + 0.05f * t);
        const float limit = 1.6f * std::max({0.12f * t, box.width, box.height});
        const Companion above = companion(*ink, x0, x1, trunc_sat(a - 0.1f * t), trunc_sat(box.y - 0.06f * t),
                                          box.width, limit);
        d = above.found;
        if (!above.found || above.spans) {
            const Companion below = companion(*ink, x0, x1, trunc_ceil(box.y + box.height + 0.06f * t),
                                              trunc_sat(a + 1.1f * t), box.width, limit);
            if (below.found && !below.spans) d = true;
        }
    }

    bool dot_test = false;
    if (rw > 0.25f) {
        // 4.
        if (rw > 0.4f || rh > 0.4f) return std::nullopt;
        if (ink && d) return colon;
        dot_test = true;
    } else {
        // 5. A comma or semicolon: tall, thin and low.
        if (rh >= 0.2f && rh <= 0.45f && rh >= 1.4f * rw && cy > 0.45f) return d ? U'\uFF1B' : U'\uFF0C';
        // 6.
        if (rh > 0.4f) return std::nullopt;
        if (d) return colon;
        dot_test = true;
    }
    // 7. A dot.
    if (dot_test && rh <= 1.3f * rw && rw >= 0.2f && rh >= 0.15f && rw <= 1.8f * rh && (rw >= 0.24f || cy <= 0.65f)) {
        if (!ink) return U'\u3002';
        return centre_contrast_ratio(ink->image, ink->background, box) >= 0.95f ? U'\u00B7' : U'\u3002';
    }
    // 8. Small marks.
    if (rw > 0.25f || rh > 0.25f) return std::nullopt;
    if (cy <= 0.65f) return U'\u00B7';
    if (ink) return pw ? std::optional<char32_t>(U'\u3002') : std::nullopt;
    if (pw && nw) return U'\uFF1A';
    if (pw && !n) return U'\u3002';
    return std::nullopt;
}

std::optional<OcrWord> recover_cjk_punct(const InkInfo& ink, const OcrWord& prev, const OcrWord* next, float a,
                                         float t) {
    const std::optional<char32_t> p = last_char(prev.text);
    if (!p) return std::nullopt;
    const bool closing = *p == U'\u3009' || *p == U'\u300B' || *p == U'\u300D' || *p == U'\u300F' || *p == U'\uFF09';
    if (!is_han(*p) && !closing) return std::nullopt;

    const int64_t wx0 = int64_t{trunc_ceil(prev.x + prev.width)} + 1;
    const int64_t wx1 = next ? int64_t{trunc_sat(next->x)} - 1 : int64_t{trunc_sat(prev.x + prev.width + 1.2f * t)};
    const int64_t wy0 = trunc_sat(a - 0.05f * t), wy1 = trunc_sat(a + 1.05f * t);
    const std::optional<PixelBox> blob = first_ink_blob(ink, wx0, wx1, wy0, wy1);
    if (!blob) return std::nullopt;
    const float bw = static_cast<float>(blob->x1 - blob->x0), bh = static_cast<float>(blob->y1 - blob->y0);
    if (static_cast<float>(blob->x0 - wx0) > 0.6f * t || bw > 0.5f * t || bh > 0.55f * t || bw < 0.08f * t ||
        bh < 0.08f * t)
        return std::nullopt;
    if (next && static_cast<float>(blob->x1) > next->x - 0.1f * t) return std::nullopt;

    const OcrBox box{static_cast<float>(blob->x0), static_cast<float>(blob->y0), bw, bh};
    char32_t mark;
    if (is_full_stop_blob(ink, box)) {
        mark = U'\u3002';
    } else {
        const std::optional<char32_t> n = next ? first_char(next->text) : std::nullopt;
        const std::optional<char32_t> c = classify_punct_blob(box, a, t, p, n, &ink);
        const float centre = (static_cast<float>(blob->y0) + 0.5f * bh - a) / t;
        if (c == U'\uFF1A' || c == U'\uFF1B') mark = *c;
        else if (c == U'\uFF0C' && bh >= 1.55f * bw && centre >= 0.5f) mark = *c;
        else return std::nullopt;
    }
    return OcrWord{utf32_to_utf8(std::u32string(1, mark)), box.x, box.y, box.width, box.height};
}
