#pragma once
// The processed copies behind Mosaic annotations: 12-pixel cell means and a blur of three box
// passes along each axis. Pixels are 32-bit: blue in the low byte, then green and red; the
// fourth byte is written 0.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr int32_t MOSAIC_CELL = 12;
inline constexpr int BLUR_RADIUS = 9;
inline constexpr size_t MAX_FILTER_THREADS = 8;

// Cell boundaries inside a span: 0, every d with 0 < d < span and start + d a multiple of
// cell, then span. Just {0} for a span that is not positive.
std::vector<int32_t> mosaic_cell_offsets(int32_t cell, int32_t start, int32_t span);

// Every pixel of each cell becomes the cell's mean (per channel, remainder dropped), cells
// on the grid of mosaic_cell_offsets(MOSAIC_CELL, start, ...) along each axis.
void mosaic_pixels(std::span<uint32_t> pixels, int32_t width, int32_t height, int32_t start_x, int32_t start_y);

// Each row of target: the mean of each channel over x - radius to x + radius of the same
// source row, positions clamped into the row (edge pixels repeat), remainder dropped.
void box_blur_rows(std::span<uint32_t> target, std::span<const uint32_t> source, size_t row_length, int radius);

struct RowRange {
    size_t begin = 0;
    size_t end = 0;
    friend bool operator==(const RowRange&, const RowRange&) = default;
};

// The transpose of a width x height image (rows of width) into target (rows of height),
// walking 32 x 32 tiles; the second form only the source rows of the range.
void transpose_tiles(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height);
void transpose_tile_rows(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height,
                         RowRange rows);
// Consecutive chunks of ceil(rows / n) rows, n = min(rows, max_threads); none for no rows.
std::vector<RowRange> filter_chunks(size_t rows, size_t max_threads = MAX_FILTER_THREADS);

// box_blur_rows with BLUR_RADIUS, each chunk of filter_chunks on a scoped thread of its own;
// returns once all have joined.
void parallel_pixel_filter(std::span<const uint32_t> source, std::span<uint32_t> target, size_t row_length,
                           size_t row_count, size_t max_threads = MAX_FILTER_THREADS);

// transpose_tiles with each chunk of filter_chunks(height) of source rows on a thread of its
// own: a thread reading rows that another core just blurred is what made the caller's lone
// transposes cost more than the blurs.
void parallel_transpose(std::span<const uint32_t> source, std::span<uint32_t> target, size_t width, size_t height,
                        size_t max_threads = MAX_FILTER_THREADS);

// The blurred copy in place: three passes of row blur, transpose, row blur, transpose.
// `scratch` is resized to the image; max_threads 1 does everything on the caller's thread.
// False when memory ran out: the pixels are then part done and of no use.
bool blur_pixels(std::span<uint32_t> pixels, int32_t width, int32_t height, std::vector<uint32_t>& scratch,
                 size_t max_threads = MAX_FILTER_THREADS);
