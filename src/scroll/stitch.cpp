#include "scroll/stitch.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "util/fatal.h"

namespace {
constexpr uint64_t FNV_OFFSET = 0xcbf29ce484222325ull;
constexpr uint64_t FNV_PRIME = 0x100000001B3ull;
constexpr int32_t MAX_CANDIDATES = 4;  // rows more common than this are too repetitive to vote

size_t at(int32_t row, int32_t width) { return static_cast<size_t>(row) * static_cast<size_t>(width); }

// Reference rows in [top, bottom) by signature, uniform rows left out; sorted for lookups.
std::vector<std::pair<uint64_t, int32_t>> candidate_rows(const StitchState& s, int32_t top, int32_t bottom) {
    std::vector<std::pair<uint64_t, int32_t>> c;
    c.reserve(static_cast<size_t>(bottom - top));
    for (int32_t p = top; p < bottom; ++p)
        if (!s.previous_uniform[static_cast<size_t>(p)]) c.emplace_back(s.previous_signatures[static_cast<size_t>(p)], p);
    std::sort(c.begin(), c.end());
    return c;
}

// The shift with most votes, the smaller |shift| on a tie and the downward one between s and -s;
// none when nothing voted.
std::optional<int32_t> best_shift(const std::vector<uint32_t>& tally, int32_t rows) {
    std::optional<int32_t> best;
    uint32_t most = 0;
    for (int32_t d = 0; d <= rows; ++d)
        for (int32_t s : {d, -d}) {
            const uint32_t v = tally[static_cast<size_t>(s + rows)];
            if (v > most) most = v, best = s;
            if (d == 0) break;
        }
    return best;
}
}  // namespace

std::string scroll_match_name(ScrollMatch m) {
    switch (m.kind) {
        case ScrollMatchKind::Added: return "Added(" + std::to_string(m.shift) + ")";
        case ScrollMatchKind::Same: return "Same";
        case ScrollMatchKind::Back: return "Back";
        case ScrollMatchKind::Lost: break;
    }
    return "Lost";
}

uint64_t row_signature(const uint32_t* row, int32_t count) {
    uint64_t h = FNV_OFFSET;
    for (int32_t x = 0; x < count; ++x) h = (h ^ (row[x] & COLOUR_MASK)) * FNV_PRIME;
    return h;
}

bool row_uniform(const uint32_t* row, int32_t count) {
    if (count <= 0) return true;
    const uint32_t first = row[0] & COLOUR_MASK;
    uint32_t diff = 0;
    for (int32_t x = 1; x < count; ++x) diff |= (row[x] & COLOUR_MASK) ^ first;
    return diff == 0;
}

void frame_signatures(std::span<const uint32_t> frame, int32_t width, int32_t rows,
                      std::vector<uint64_t>& signatures, std::vector<uint8_t>& uniform) {
    const int32_t count = width - scroll_margin(width);
    signatures.resize(static_cast<size_t>(rows));
    uniform.resize(static_cast<size_t>(rows));
    int32_t r = 0;
    // Four rows at a time: each hash is one long multiply chain, so interleaving rows keeps the
    // multiplier busy.
    for (; r + 4 <= rows; r += 4) {
        const uint32_t* p[4] = {&frame[at(r, width)], &frame[at(r + 1, width)], &frame[at(r + 2, width)],
                                &frame[at(r + 3, width)]};
        uint64_t h[4] = {FNV_OFFSET, FNV_OFFSET, FNV_OFFSET, FNV_OFFSET};
        uint32_t first[4], diff[4] = {0, 0, 0, 0};
        for (int i = 0; i < 4; ++i) first[i] = count > 0 ? p[i][0] & COLOUR_MASK : 0;
        for (int32_t x = 0; x < count; ++x)
            for (int i = 0; i < 4; ++i) {
                const uint32_t c = p[i][x] & COLOUR_MASK;
                h[i] = (h[i] ^ c) * FNV_PRIME;
                diff[i] |= c ^ first[i];
            }
        for (int i = 0; i < 4; ++i) {
            signatures[static_cast<size_t>(r + i)] = h[i];
            uniform[static_cast<size_t>(r + i)] = diff[i] == 0;
        }
    }
    for (; r < rows; ++r) {
        const uint32_t* row = &frame[at(r, width)];
        signatures[static_cast<size_t>(r)] = row_signature(row, count);
        uniform[static_cast<size_t>(r)] = row_uniform(row, count);
    }
}

std::vector<uint32_t> crop_columns(std::span<const uint32_t> pixels, int32_t width, int32_t first, int32_t end) {
    if (width <= 0) return {};
    first = std::clamp(first, 0, width);
    end = std::clamp(end, first, width);
    const size_t rows = pixels.size() / static_cast<size_t>(width);
    const size_t w = static_cast<size_t>(end - first);
    std::vector<uint32_t> out(rows * w);
    for (size_t y = 0; y < rows; ++y)
        std::copy_n(pixels.begin() + static_cast<ptrdiff_t>(y * static_cast<size_t>(width) + static_cast<size_t>(first)),
                    w, out.begin() + static_cast<ptrdiff_t>(y * w));
    return out;
}

ColumnRange stitch_columns(ColumnRange region, ColumnRange scrolling) {
    const int32_t first = std::max(region.first, scrolling.first);
    const int32_t end = std::min(region.end, scrolling.end);
    if (end <= first) return {0, scrolling.end - scrolling.first};
    return {first - scrolling.first, end - scrolling.first};
}

StitchState make_stitch_state(std::span<const uint32_t> reference, int32_t width, int32_t rows, int32_t x0,
                              int32_t x1) {
    if (width <= 0 || rows <= 0 || x0 < 0 || x1 <= x0 || x1 > width || reference.size() != at(rows, width))
        fatal_invariant("make_stitch_state: frame or columns out of range");
    StitchState s;
    s.frame_width = width;
    s.rows = rows;
    s.x0 = x0;
    s.x1 = x1;
    s.previous.assign(reference.begin(), reference.end());
    frame_signatures(s.previous, width, rows, s.previous_signatures, s.previous_uniform);
    s.margin_changes.assign(static_cast<size_t>(scroll_margin(width)), 0);
    s.stitched = crop_columns(reference, width, x0, x1);
    return s;
}

void append_frame_rows(StitchState& s, std::span<const uint32_t> frame, int32_t b, int32_t c) {
    if (frame.size() != at(s.rows, s.frame_width)) fatal_invariant("append_frame_rows: frame size");
    const size_t w = static_cast<size_t>(s.x1 - s.x0);
    const size_t cut = w * static_cast<size_t>(std::max(s.rows - b, 0));
    if (cut <= s.stitched.size()) s.stitched.resize(s.stitched.size() - cut);
    for (int32_t y = std::max(c, 0); y < s.rows; ++y) {
        const auto row = frame.begin() + static_cast<ptrdiff_t>(at(y, s.frame_width) + static_cast<size_t>(s.x0));
        s.stitched.insert(s.stitched.end(), row, row + static_cast<ptrdiff_t>(w));
    }
}

int32_t stitched_height(const StitchState& s) {
    const size_t w = static_cast<size_t>(s.x1 - s.x0);
    return w == 0 ? s.rows : static_cast<int32_t>(s.stitched.size() / w);
}

int32_t stitched_result_width(const StitchState& s) {
    for (size_t i = 0; i < s.margin_changes.size(); ++i) {
        if (s.margin_changes[i] == 0) continue;
        const int32_t cut = s.frame_width - SCROLL_MARGIN_COLUMNS + std::max(static_cast<int32_t>(i) - 2, 0);
        return cut > s.x0 && cut < s.x1 ? cut - s.x0 : s.x1 - s.x0;
    }
    return s.x1 - s.x0;
}

ScrollMatch stitch_next_frame(StitchState& s, std::span<const uint32_t> frame) {
    const int32_t rows = s.rows;
    if (s.frame_width <= 0 || frame.size() != at(rows, s.frame_width)) return {ScrollMatchKind::Lost, 0};
    std::vector<uint64_t> sig;
    std::vector<uint8_t> uniform;
    frame_signatures(frame, s.frame_width, rows, sig, uniform);
    const auto same_at = [&](int32_t r, int32_t p) {
        return sig[static_cast<size_t>(r)] == s.previous_signatures[static_cast<size_t>(p)];
    };

    int32_t top = 0;
    while (top < rows && same_at(top, top)) ++top;
    if (top == rows) return {ScrollMatchKind::Same, 0};
    int32_t bottom = rows;
    while (bottom > top && same_at(bottom - 1, bottom - 1)) --bottom;

    const auto candidates = candidate_rows(s, top, bottom);
    std::vector<uint32_t> tally(static_cast<size_t>(2 * rows + 1), 0);
    for (int32_t r = top; r < bottom; ++r) {
        if (uniform[static_cast<size_t>(r)]) continue;
        const uint64_t key = sig[static_cast<size_t>(r)];
        const auto lo = std::lower_bound(candidates.begin(), candidates.end(), std::pair{key, INT32_MIN});
        auto hi = lo;
        while (hi != candidates.end() && hi->first == key && hi - lo <= MAX_CANDIDATES) ++hi;
        if (hi == lo || hi - lo > MAX_CANDIDATES) continue;
        for (auto it = lo; it != hi; ++it) ++tally[static_cast<size_t>(it->second - r + rows)];
    }

    const auto fallback = [&]() -> ScrollMatch {
        int32_t distinct = 0, equal = 0;
        for (int32_t r = 0; r < rows; ++r) {
            if (uniform[static_cast<size_t>(r)]) continue;
            ++distinct;
            if (same_at(r, r)) ++equal;
        }
        // A blank reference holds nothing to match: without taking the new frame the capture
        // could never leave it.
        const bool blank_reference =
            std::all_of(s.previous_uniform.begin(), s.previous_uniform.end(), [](uint8_t u) { return u != 0; });
        if (2 * equal < distinct && !blank_reference) return {ScrollMatchKind::Lost, 0};
        const int32_t c = std::max(s.committed_row, top);
        append_frame_rows(s, frame, c, c);
        s.previous.assign(frame.begin(), frame.end());
        s.previous_signatures = std::move(sig);
        s.previous_uniform = std::move(uniform);
        return {ScrollMatchKind::Same, 0};
    };

    const std::optional<int32_t> best = best_shift(tally, rows);
    if (!best || *best == 0) return fallback();
    const int32_t shift = *best;

    int32_t compared = 0, agreeing = 0;
    const int32_t from = std::max(top, top - shift), to = std::min(bottom, bottom - shift);
    for (int32_t r = from; r < to; ++r) {
        ++compared;
        if (same_at(r, r + shift)) ++agreeing;
    }
    if (agreeing < 3 || 2 * agreeing < compared) return fallback();
    if (shift < 0) return {ScrollMatchKind::Back, shift};

    if (!s.margin_changes.empty()) {
        const int32_t m0 = s.frame_width - SCROLL_MARGIN_COLUMNS;
        for (int32_t r = from; r < to; ++r) {
            if (!same_at(r, r + shift)) continue;
            const uint32_t* now = &frame[at(r, s.frame_width) + static_cast<size_t>(m0)];
            const uint32_t* was = &s.previous[at(r + shift, s.frame_width) + static_cast<size_t>(m0)];
            for (int32_t i = 0; i < SCROLL_MARGIN_COLUMNS; ++i)
                if (((now[i] ^ was[i]) & COLOUR_MASK) != 0) ++s.margin_changes[static_cast<size_t>(i)];
        }
    }

    const int32_t b = std::min(bottom, std::max(shift + top, s.committed_row));
    const int32_t c = b - shift;
    append_frame_rows(s, frame, b, c);
    s.committed_row = c;
    s.previous.assign(frame.begin(), frame.end());
    s.previous_signatures = std::move(sig);
    s.previous_uniform = std::move(uniform);
    return {ScrollMatchKind::Added, shift};
}
