#include "ocr/ocr_ink.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "ocr/ocr_chars.h"
#include "util/text.h"

namespace {

// Half-open range [lo, hi) cut to [0, limit).
struct Span64 {
    int64_t lo, hi;
};
Span64 clip(int64_t lo, int64_t hi, int32_t limit) { return {std::max<int64_t>(lo, 0), std::min<int64_t>(hi, limit)}; }

bool is_one_han(const std::string& text) {
    const std::u32string cps = utf8_to_utf32(text);
    return cps.size() == 1 && is_han(cps[0]);
}

// Most frequent colour of a sample set (ties: the smaller colour). An open-addressing table:
// a line band of a 4K screenshot gives tens of thousands of samples.
class ColourCounter {
public:
    explicit ColourCounter(size_t samples) {
        size_t n = 64;
        while (n < samples * 2) n *= 2;
        keys_.assign(n, EMPTY);
        counts_.assign(n, 0);
    }
    void add(uint32_t colour) {
        const size_t mask = keys_.size() - 1;
        size_t i = (colour * 2654435761u) & mask;
        while (keys_[i] != EMPTY && keys_[i] != colour) i = (i + 1) & mask;
        keys_[i] = colour;
        ++counts_[i];
    }
    std::optional<uint32_t> most_frequent() const {
        std::optional<uint32_t> best;
        uint32_t best_count = 0;
        for (size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == EMPTY) continue;
            if (counts_[i] > best_count || (counts_[i] == best_count && keys_[i] < *best)) {
                best = keys_[i];
                best_count = counts_[i];
            }
        }
        return best;
    }

private:
    static constexpr uint32_t EMPTY = 0xFFFFFFFFu;  // never a 24-bit colour
    std::vector<uint32_t> keys_;
    std::vector<uint32_t> counts_;
};

// Valley of a profile (see is_full_stop_blob): positions 1..n-2 whose value is at most 0.7 of
// the smaller of the largest values on either side, both of which reach the peak level.
// Returns the valley with the least value (the first among equals), or -1.
int64_t least_valley(const std::vector<int>& p, float peak) {
    const size_t n = p.size();
    if (n < 3) return -1;
    std::vector<int> right(n);
    right[n - 1] = p[n - 1];
    for (size_t i = n - 1; i-- > 0;) right[i] = std::max(p[i], right[i + 1]);
    int left = p[0];
    int64_t best = -1;
    for (size_t k = 1; k + 1 < n; ++k) {
        const int r = right[k + 1];
        if (static_cast<float>(left) >= peak && static_cast<float>(r) >= peak &&
            static_cast<float>(p[k]) <= 0.7f * static_cast<float>(std::min(left, r))) {
            if (best < 0 || p[k] < p[static_cast<size_t>(best)]) best = static_cast<int64_t>(k);
        }
        left = std::max(left, p[k]);
    }
    return best;
}

}  // namespace

int32_t trunc_sat(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}

int32_t trunc_ceil(float v) { return trunc_sat(std::ceil(v)); }

OcrBand words_extent(std::span<const OcrWord> words) {
    if (words.empty()) return {FLT_MAX, 1};
    const bool any_han = std::any_of(words.begin(), words.end(), [](const OcrWord& w) { return is_one_han(w.text); });
    float top = FLT_MAX, bottom = -FLT_MAX;
    for (const OcrWord& w : words) {
        if (any_han && !is_one_han(w.text)) continue;
        top = std::min(top, w.y);
        bottom = std::max(bottom, w.y + w.height);
    }
    const float height = bottom - top;
    return {top, height >= 1 ? height : 1};
}

int colour_contrast(uint32_t a, uint32_t b) {
    int best = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        best = std::max(best, d < 0 ? -d : d);
    }
    return best;
}

int InkInfo::contrast(int64_t x, int64_t y) const {
    return image.contains(x, y) ? colour_contrast(image.at(x, y), background) : 0;
}

std::optional<InkInfo> estimate_background(OcrPixels image, std::span<const OcrWord> words, OcrBand band) {
    if (!image.valid() || words.empty()) return std::nullopt;
    const Span64 cols = clip(trunc_sat(words.front().x), trunc_sat(words.back().x + words.back().width), image.width);
    const Span64 rows = clip(trunc_sat(band.top), trunc_sat(band.top + band.height), image.height);
    if (cols.lo >= cols.hi || rows.lo >= rows.hi) return std::nullopt;
    const size_t samples = static_cast<size_t>((cols.hi - cols.lo + 1) / 2) * static_cast<size_t>((rows.hi - rows.lo + 1) / 2);
    ColourCounter counter(samples);
    for (int64_t y = rows.lo; y < rows.hi; y += 2)
        for (int64_t x = cols.lo; x < cols.hi; x += 2) counter.add(image.at(x, y) & 0xFFFFFF);
    const std::optional<uint32_t> background = counter.most_frequent();
    if (!background) return std::nullopt;

    int strongest = 0;
    for (const OcrWord& w : words) {
        const Span64 xs = clip(trunc_sat(w.x), trunc_sat(w.x + w.width), image.width);
        const Span64 ys = clip(trunc_sat(w.y), trunc_sat(w.y + w.height), image.height);
        for (int64_t y = ys.lo; y < ys.hi && strongest < 255; ++y)
            for (int64_t x = xs.lo; x < xs.hi; ++x) strongest = std::max(strongest, colour_contrast(image.at(x, y), *background));
    }
    if (strongest < 40) return std::nullopt;
    return InkInfo{image, *background, strongest * 45 / 100};
}

std::optional<PixelBox> find_ink_bbox(const InkInfo& ink, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const Span64 xs = clip(x0, x1, ink.image.width);
    const Span64 ys = clip(y0, y1, ink.image.height);
    int64_t lx = INT64_MAX, ly = INT64_MAX, hx = INT64_MIN, hy = INT64_MIN;
    for (int64_t y = ys.lo; y < ys.hi; ++y)
        for (int64_t x = xs.lo; x < xs.hi; ++x) {
            if (!ink.ink(x, y)) continue;
            lx = std::min(lx, x);
            hx = std::max(hx, x);
            ly = std::min(ly, y);
            hy = std::max(hy, y);
        }
    if (lx == INT64_MAX) return std::nullopt;
    return PixelBox{static_cast<int32_t>(lx), static_cast<int32_t>(ly), static_cast<int32_t>(hx + 1),
                    static_cast<int32_t>(hy + 1)};
}

std::optional<PixelBox> first_ink_blob(const InkInfo& ink, int64_t x0, int64_t x1, int64_t y0, int64_t y1) {
    const Span64 xs = clip(x0, x1, ink.image.width);
    const Span64 ys = clip(y0, y1, ink.image.height);
    int64_t start = -1, last = -1;
    int blanks = 0;
    for (int64_t x = xs.lo; x < xs.hi; ++x) {
        bool has_ink = false;
        for (int64_t y = ys.lo; y < ys.hi && !has_ink; ++y) has_ink = ink.ink(x, y);
        if (has_ink) {
            if (start < 0) start = x;
            last = x;
            blanks = 0;
        } else if (start >= 0 && ++blanks == 3) {
            break;
        }
    }
    if (start < 0) return std::nullopt;
    return find_ink_bbox(ink, start, y0, last + 1, y1);
}

float centre_contrast_ratio(OcrPixels image, uint32_t colour, OcrBox box) {
    if (!image.valid()) return 1.0f;
    const auto contrast = [&](int64_t x, int64_t y) {
        return image.contains(x, y) ? colour_contrast(image.at(x, y), colour) : 0;
    };
    const Span64 xs = clip(trunc_sat(box.x), trunc_ceil(box.x + box.width), image.width);
    const Span64 ys = clip(trunc_sat(box.y), trunc_ceil(box.y + box.height), image.height);
    int m = 0;
    for (int64_t y = ys.lo; y < ys.hi; ++y)
        for (int64_t x = xs.lo; x < xs.hi; ++x) m = std::max(m, contrast(x, y));
    if (m == 0) return 1.0f;
    const int64_t cx = trunc_sat(box.x + box.width * 0.5f), cy = trunc_sat(box.y + box.height * 0.5f);
    const int c = std::min({contrast(cx, cy), contrast(cx - 1, cy), contrast(cx, cy - 1), contrast(cx - 1, cy - 1)});
    return static_cast<float>(c) / static_cast<float>(m);
}

bool is_full_stop_blob(const InkInfo& ink, OcrBox box) {
    if (!ink.image.valid()) return false;
    const int64_t x0 = trunc_sat(box.x), x1 = trunc_ceil(box.x + box.width);
    const int64_t y0 = trunc_sat(box.y), y1 = trunc_ceil(box.y + box.height);
    int m = 0;
    {
        const Span64 xs = clip(x0, x1, ink.image.width), ys = clip(y0, y1, ink.image.height);
        for (int64_t y = ys.lo; y < ys.hi; ++y)
            for (int64_t x = xs.lo; x < xs.hi; ++x) m = std::max(m, ink.contrast(x, y));
    }
    // No contrast at all is no mark. Otherwise a valley lies between two pixels that reach the
    // peak level, so profile entries outside the image (all 0) can be left out: the profiles
    // stay within the image however large the box.
    if (m == 0) return false;
    const float peak = 0.4f * static_cast<float>(m);
    const Span64 px = clip(x0 - 2, x1 + 2, ink.image.width);
    const Span64 py = clip(y0 - 2, y1 + 2, ink.image.height);
    std::vector<int> profile;
    const int64_t c = (y0 + y1) / 2;
    for (const int64_t r : {c, c - 1, c + 1}) {
        profile.clear();
        for (int64_t x = px.lo; x < px.hi; ++x) profile.push_back(ink.contrast(x, r));
        const int64_t k = least_valley(profile, peak);
        if (k < 0) continue;
        const int64_t hole = px.lo + k;
        profile.clear();
        for (int64_t y = py.lo; y < py.hi; ++y) profile.push_back(ink.contrast(hole, y));
        if (least_valley(profile, peak) >= 0) return true;
    }
    return false;
}
