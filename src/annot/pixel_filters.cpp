#include "annot/pixel_filters.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <thread>

namespace {
// The three colour bytes spread into 16-bit lanes, so one addition sums all three: a window
// of 2 x 9 + 1 pixels stays far below a lane's limit.
inline uint64_t lanes(uint32_t p) {
    return (p & 0xFFu) | (uint64_t{p & 0xFF00u} << 8) | (uint64_t{p & 0xFF0000u} << 16);
}

void blur_row(uint32_t* out, const uint32_t* in, size_t len, size_t radius, const uint8_t* divide) {
    const auto put = [&](size_t x, uint64_t sum) {
        out[x] = uint32_t{divide[sum & 0xFFFF]} | (uint32_t{divide[(sum >> 16) & 0xFFFF]} << 8) |
                 (uint32_t{divide[(sum >> 32) & 0xFFFF]} << 16);
    };
    const size_t last = len - 1;
    uint64_t sum = lanes(in[0]) * (radius + 1);
    for (size_t k = 1; k <= radius; ++k) sum += lanes(in[std::min(k, last)]);
    // The window slides: one pixel enters on the right and one leaves on the left, the edge
    // pixels standing in for positions outside the row. Clamping only where it can happen.
    size_t x = 0;
    for (; x < len && x < radius; ++x) {
        put(x, sum);
        sum += lanes(in[std::min(x + radius + 1, last)]);
        sum -= lanes(in[0]);
    }
    for (; x + radius + 1 < len; ++x) {
        put(x, sum);
        sum += lanes(in[x + radius + 1]);
        sum -= lanes(in[x - radius]);
    }
    for (; x < len; ++x) {
        put(x, sum);
        sum += lanes(in[last]);
        sum -= lanes(in[x >= radius ? x - radius : 0]);
    }
}

void mosaic_band(std::span<uint32_t> pixels, size_t width, const std::vector<int32_t>& cols, size_t y0, size_t y1) {
    const size_t cells = cols.size() - 1;
    std::vector<uint64_t> sums(cells * 3, 0);
    for (size_t y = y0; y < y1; ++y) {
        const uint32_t* row = pixels.data() + y * width;
        for (size_t c = 0; c < cells; ++c) {
            uint64_t b = 0, g = 0, r = 0;
            for (int32_t x = cols[c]; x < cols[c + 1]; ++x) {
                b += row[x] & 0xFFu;
                g += (row[x] >> 8) & 0xFFu;
                r += (row[x] >> 16) & 0xFFu;
            }
            sums[c * 3] += b;
            sums[c * 3 + 1] += g;
            sums[c * 3 + 2] += r;
        }
    }
    for (size_t c = 0; c < cells; ++c) {
        const uint64_t count = static_cast<uint64_t>(cols[c + 1] - cols[c]) * (y1 - y0);
        const uint32_t mean = static_cast<uint32_t>(sums[c * 3] / count) |
                              (static_cast<uint32_t>(sums[c * 3 + 1] / count) << 8) |
                              (static_cast<uint32_t>(sums[c * 3 + 2] / count) << 16);
        for (size_t y = y0; y < y1; ++y) {
            uint32_t* row = pixels.data() + y * width;
            std::fill(row + cols[c], row + cols[c + 1], mean);
        }
    }
}
}  // namespace

std::vector<int32_t> mosaic_cell_offsets(int32_t cell, int32_t start, int32_t span) {
    std::vector<int32_t> out{0};
    if (span <= 0) return out;
    if (cell > 0) {
        const int64_t into = ((int64_t{start} % cell) + cell) % cell;
        for (int64_t d = into == 0 ? cell : cell - into; d < span; d += cell) out.push_back(static_cast<int32_t>(d));
    }
    out.push_back(span);
    return out;
}

void mosaic_pixels(std::span<uint32_t> pixels, int32_t width, int32_t height, int32_t start_x, int32_t start_y) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return;
    const std::vector<int32_t> cols = mosaic_cell_offsets(MOSAIC_CELL, start_x, width);
    const std::vector<int32_t> rows = mosaic_cell_offsets(MOSAIC_CELL, start_y, height);
    for (size_t i = 1; i < rows.size(); ++i) {
        mosaic_band(pixels, static_cast<size_t>(width), cols, static_cast<size_t>(rows[i - 1]),
                    static_cast<size_t>(rows[i]));
    }
}

void box_blur_rows(std::span<uint32_t> target, std::span<const uint32_t> source, size_t row_length, int radius) {
    if (row_length == 0) return;
    radius = std::clamp(radius, 0, 127);
    const size_t window = 2 * static_cast<size_t>(radius) + 1;
    std::vector<uint8_t> divide(window * 255 + 1);
    for (size_t s = 0; s < divide.size(); ++s) divide[s] = static_cast<uint8_t>(s / window);
    const size_t rows = std::min(target.size(), source.size()) / row_length;
    for (size_t y = 0; y < rows; ++y) {
        blur_row(target.data() + y * row_length, source.data() + y * row_length, row_length,
                 static_cast<size_t>(radius), divide.data());
    }
}

void transpose_tiles(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height) {
    transpose_tile_rows(source, target, width, height, {0, height});
}

void transpose_tile_rows(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height,
                         RowRange rows) {
    constexpr size_t TILE = 32;
    if (source.size() < width * height || target.size() < width * height) return;
    rows.end = std::min(rows.end, height);
    for (size_t ty = rows.begin; ty < rows.end; ty += TILE) {
        const size_t y_end = std::min(rows.end, ty + TILE);
        for (size_t tx = 0; tx < width; tx += TILE) {
            const size_t x_end = std::min(width, tx + TILE);
            for (size_t y = ty; y < y_end; ++y) {
                for (size_t x = tx; x < x_end; ++x) target[x * height + y] = source[y * width + x];
            }
        }
    }
}

std::vector<RowRange> filter_chunks(size_t rows, size_t max_threads) {
    std::vector<RowRange> out;
    if (rows == 0) return out;
    const size_t n = std::min(rows, std::max<size_t>(max_threads, 1));
    const size_t chunk = (rows + n - 1) / n;
    for (size_t begin = 0; begin < rows; begin += chunk) out.push_back({begin, std::min(rows, begin + chunk)});
    return out;
}

namespace {
// Runs job(chunk) for each chunk of filter_chunks(rows), each on a scoped thread of its own
// (on the caller's thread when only one is wanted), and returns once all have joined.
template <class Job>
void run_chunks(size_t rows, size_t max_threads, const Job& job) {
    const std::vector<RowRange> chunks = filter_chunks(rows, max_threads);
    if (max_threads <= 1) {
        for (const RowRange& c : chunks) job(c);
        return;
    }
    std::vector<std::jthread> threads;
    threads.reserve(chunks.size());
    for (const RowRange& c : chunks) {
        try {
            threads.emplace_back(job, c);
        } catch (const std::system_error&) {
            job(c);  // no thread to be had: this chunk on the caller's thread
        }
    }
}
}  // namespace

void parallel_pixel_filter(std::span<const uint32_t> source, std::span<uint32_t> target, size_t row_length,
                           size_t row_count, size_t max_threads) {
    if (row_length == 0 || source.size() / row_length < row_count || target.size() / row_length < row_count) return;
    run_chunks(row_count, max_threads, [&](const RowRange& c) {
        const size_t off = c.begin * row_length, len = (c.end - c.begin) * row_length;
        box_blur_rows(target.subspan(off, len), source.subspan(off, len), row_length, BLUR_RADIUS);
    });
}

void parallel_transpose(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height,
                        size_t max_threads) {
    run_chunks(height, max_threads,
               [&](const RowRange& c) { transpose_tile_rows(source, target, width, height, c); });
}

bool blur_pixels(std::span<uint32_t> pixels, int32_t width, int32_t height, std::vector<uint32_t>& scratch,
                 size_t max_threads) {
    if (width <= 0 || height <= 0) return true;
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    if (pixels.size() < w * h) return true;
    // A selection over a large virtual screen needs a second buffer of its size: running out of
    // memory leaves this copy unmade instead of ending the process.
    try {
        scratch.resize(w * h);
        const std::span<uint32_t> image = pixels.first(w * h);
        for (int pass = 0; pass < 3; ++pass) {
            parallel_pixel_filter(image, scratch, w, h, max_threads);
            parallel_transpose(scratch, image, w, h, max_threads);  // the image's columns are now its rows
            parallel_pixel_filter(image, scratch, h, w, max_threads);
            parallel_transpose(scratch, image, h, w, max_threads);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
