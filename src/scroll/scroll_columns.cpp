#include "scroll/scroll_columns.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {
constexpr int32_t MAX_CANDIDATES = 4;

uint32_t px(std::span<const uint32_t> f, int32_t width, int32_t x, int32_t y) {
    return f[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & COLOUR_MASK;
}

// Colour -> count in one flat table with linear probing: the background count runs over every
// pixel of the moving span, too many for a node per colour.
class ColourCounts {
public:
    uint32_t add(uint32_t colour, uint32_t n) {
        if (2 * (used_ + 1) > keys_.size()) grow();
        size_t i = slot(colour, keys_.size());
        while (keys_[i] != EMPTY && keys_[i] != colour) i = (i + 1) & (keys_.size() - 1);
        if (keys_[i] == EMPTY) keys_[i] = colour, ++used_;
        return counts_[i] += n;
    }

private:
    static constexpr uint32_t EMPTY = 0xFFFFFFFF;  // never a colour: colours have 24 bits
    static size_t slot(uint32_t colour, size_t size) { return (colour * 2654435761u) & (size - 1); }
    void grow() {
        std::vector<uint32_t> keys(std::max<size_t>(256, keys_.size() * 2), EMPTY), counts(keys.size(), 0);
        for (size_t j = 0; j < keys_.size(); ++j) {
            if (keys_[j] == EMPTY) continue;
            size_t i = slot(keys_[j], keys.size());
            while (keys[i] != EMPTY) i = (i + 1) & (keys.size() - 1);
            keys[i] = keys_[j], counts[i] = counts_[j];
        }
        keys_.swap(keys), counts_.swap(counts);
    }
    std::vector<uint32_t> keys_, counts_;
    size_t used_ = 0;
};

struct BandRows {
    std::vector<uint64_t> ref_sig, cur_sig;
    std::vector<uint8_t> ref_uniform, cur_uniform;
    int32_t top = 0, bottom = 0;  // changed rows [top, bottom)
};

BandRows band_rows(const FramePair& f, int32_t first, int32_t end) {
    BandRows b;
    const size_t h = static_cast<size_t>(f.height);
    b.ref_sig.resize(h), b.cur_sig.resize(h), b.ref_uniform.resize(h), b.cur_uniform.resize(h);
    for (int32_t y = 0; y < f.height; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(f.width) + static_cast<size_t>(first);
        const size_t i = static_cast<size_t>(y);
        b.ref_sig[i] = row_signature(&f.reference[row], end - first);
        b.cur_sig[i] = row_signature(&f.current[row], end - first);
        b.ref_uniform[i] = row_uniform(&f.reference[row], end - first);
        b.cur_uniform[i] = row_uniform(&f.current[row], end - first);
    }
    b.top = 0;
    while (b.top < f.height && b.ref_sig[static_cast<size_t>(b.top)] == b.cur_sig[static_cast<size_t>(b.top)]) ++b.top;
    b.bottom = f.height;
    if (b.top == f.height) return b;
    while (b.ref_sig[static_cast<size_t>(b.bottom - 1)] == b.cur_sig[static_cast<size_t>(b.bottom - 1)]) --b.bottom;
    return b;
}

void vote(const BandRows& b, std::map<int32_t, uint32_t>& tally) {
    std::unordered_map<uint64_t, std::vector<int32_t>> candidates;
    for (int32_t p = b.top; p < b.bottom; ++p)
        if (!b.ref_uniform[static_cast<size_t>(p)]) candidates[b.ref_sig[static_cast<size_t>(p)]].push_back(p);
    for (int32_t r = b.top; r < b.bottom; ++r) {
        if (b.cur_uniform[static_cast<size_t>(r)]) continue;
        const auto it = candidates.find(b.cur_sig[static_cast<size_t>(r)]);
        if (it == candidates.end() || it->second.size() > MAX_CANDIDATES) continue;
        for (int32_t p : it->second)
            if (p != r) ++tally[p - r];
    }
}

// The shift with most votes; the smaller |shift| on a tie, and the downward one between s and -s.
std::optional<int32_t> best_shift(const std::map<int32_t, uint32_t>& tally) {
    std::optional<int32_t> best;
    uint32_t most = 0;
    for (const auto& [s, v] : tally) {
        const bool better = v > most || (v == most && best &&
                                          (std::abs(s) < std::abs(*best) || (std::abs(s) == std::abs(*best) && s > 0)));
        if (better) most = v, best = s;
    }
    return best;
}

bool band_agrees(const BandRows& b, int32_t s) {
    int32_t compared = 0, matching = 0;
    for (int32_t k = std::max(b.top, b.top - s); k < std::min(b.bottom, b.bottom - s); ++k) {
        ++compared;
        if (b.ref_sig[static_cast<size_t>(k + s)] == b.cur_sig[static_cast<size_t>(k)]) ++matching;
    }
    return matching >= 3 && 10 * matching >= 6 * compared;
}

bool column_unchanged(const FramePair& f, int32_t x) {
    for (int32_t y = 0; y < f.height; ++y)
        if (px(f.reference, f.width, x, y) != px(f.current, f.width, x, y)) return false;
    return true;
}

// Rows [first differing, last differing + 1) of a changed column.
std::pair<int32_t, int32_t> changed_range(const FramePair& f, int32_t x) {
    int32_t first = 0, last = f.height - 1;
    while (px(f.reference, f.width, x, first) == px(f.current, f.width, x, first)) ++first;
    while (px(f.reference, f.width, x, last) == px(f.current, f.width, x, last)) --last;
    return {first, last + 1};
}

bool column_moves(const FramePair& f, int32_t x, int32_t lo, int32_t hi, int32_t s) {
    int32_t compared = 0, equal = 0;
    for (int32_t k = std::max(lo, lo - s); k < std::min(hi, hi - s); ++k) {
        ++compared;
        if (px(f.current, f.width, x, k) == px(f.reference, f.width, x, k + s)) ++equal;
    }
    return compared >= 3 && 10 * equal >= 9 * compared;
}
}  // namespace

uint32_t dominant_colour_in_column(std::span<const uint32_t> pixels, int32_t width, ColumnRange columns,
                                   int32_t lo, int32_t hi) {
    ColourCounts counts;
    uint32_t best = 0, most = 0;
    for (int32_t y = lo; y < hi; ++y)
        for (int32_t x = columns.first; x < columns.end;) {
            const uint32_t c = px(pixels, width, x, y);
            uint32_t run = 1;  // counted a run at a time
            while (++x < columns.end && px(pixels, width, x, y) == c) ++run;
            const uint32_t n = counts.add(c, run);
            if (n > most) most = n, best = c;
        }
    return best;
}

int32_t extend_scroll_columns(const FramePair& f, const ColumnWalk& w) {
    int32_t c = w.start;
    if (c == w.limit) return c;
    // f is the dominant colour of the last column taken by the test (at first the start column);
    // it is counted only when a plain column needs it.
    int32_t f_column = c;
    std::optional<uint32_t> colour;
    while (c != w.limit) {
        const int32_t n = c + w.step;
        int32_t lo = w.lo, hi = w.hi;
        if (column_unchanged(f, n)) {
            const uint32_t plain = px(f.current, f.width, n, w.lo);
            bool one_colour = true;
            for (int32_t y = w.lo; y < w.hi && one_colour; ++y) one_colour = px(f.current, f.width, n, y) == plain;
            if (one_colour) {
                if (plain != w.background) {
                    if (!colour) colour = dominant_colour_in_column(f.current, f.width, {f_column, f_column + 1}, w.lo, w.hi);
                    if (plain != *colour) break;
                }
                c = n;
                continue;
            }
        } else {
            std::tie(lo, hi) = changed_range(f, n);
        }
        if (!column_moves(f, n, lo, hi, w.shift)) break;
        f_column = n;
        colour.reset();
        c = n;
    }
    return c;
}

std::optional<ColumnRange> find_scroll_columns(const FramePair& f) {
    const size_t n = static_cast<size_t>(f.width) * static_cast<size_t>(std::max(f.height, 0));
    if (f.width <= 0 || f.height <= 0 || f.reference.size() != n || f.current.size() != n) return std::nullopt;

    std::vector<BandRows> bands;
    std::map<int32_t, uint32_t> tally;
    for (int32_t first = 0; first < f.width; first += SCROLL_BAND_COLUMNS) {
        bands.push_back(band_rows(f, first, std::min(first + SCROLL_BAND_COLUMNS, f.width)));
        vote(bands.back(), tally);
    }
    const std::optional<int32_t> s = best_shift(tally);
    if (!s) return std::nullopt;

    int32_t first_band = -1, last_band = -1, lo = f.height, hi = 0;
    for (size_t j = 0; j < bands.size(); ++j) {
        if (!band_agrees(bands[j], *s)) continue;
        if (first_band < 0) first_band = static_cast<int32_t>(j);
        last_band = static_cast<int32_t>(j);
        lo = std::min(lo, bands[j].top);
        hi = std::max(hi, bands[j].bottom);
    }
    if (first_band < 0) return std::nullopt;

    const int32_t left_col = first_band * SCROLL_BAND_COLUMNS;
    const int32_t right_col = std::min(SCROLL_BAND_COLUMNS * (last_band + 1), f.width) - 1;
    const uint32_t background = dominant_colour_in_column(f.current, f.width, {left_col, right_col + 1}, lo, hi);
    const int32_t left = extend_scroll_columns(f, {lo, hi, *s, background, left_col, -1, 0});
    const int32_t right = extend_scroll_columns(f, {lo, hi, *s, background, right_col, +1, f.width - 1});
    if (right - left + 1 < SCROLL_MIN_COLUMNS) return std::nullopt;
    return ColumnRange{left, right + 1};
}
