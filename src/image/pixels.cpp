#include "image/pixels.h"

#include <algorithm>
#include <cstring>

#include "util/fatal.h"

namespace {

void check_image(std::span<const uint32_t> pixels, int32_t width, int32_t height) {
    if (width < 1 || height < 1 ||
        pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        fatal_invariant("pixel span does not match the image size");
    }
}

void put_u32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

void put_u16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

std::optional<Rect> clamp_crop_rect(const Rect& rect, int32_t width, int32_t height) {
    const Rect r{std::max(rect.l, 0), std::max(rect.t, 0), std::min(rect.r, width), std::min(rect.b, height)};
    if (r.l >= r.r || r.t >= r.b) return std::nullopt;
    return r;
}

std::optional<uint32_t> pixel_at(std::span<const uint32_t> pixels, int32_t width, int32_t height, int32_t x,
                                 int32_t y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return std::nullopt;
    check_image(pixels, width, height);
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & COLOUR_MASK;
}

void clear_fourth_byte(std::span<uint32_t> pixels) {
    for (uint32_t& p : pixels) p &= COLOUR_MASK;
}

void rotate_pixels(std::span<const uint32_t> pixels, int32_t width, int32_t height, bool clockwise,
                   std::span<uint32_t> out) {
    check_image(pixels, width, height);
    check_image(out, height, width);
    const size_t w = static_cast<size_t>(width);
    const size_t h = static_cast<size_t>(height);
    // Square tiles keep both the reads and the scattered writes within a few cache lines.
    constexpr size_t TILE = 64;
    for (size_t ty = 0; ty < h; ty += TILE) {
        const size_t y_end = std::min(ty + TILE, h);
        for (size_t tx = 0; tx < w; tx += TILE) {
            const size_t x_end = std::min(tx + TILE, w);
            for (size_t y = ty; y < y_end; ++y) {
                const uint32_t* row = pixels.data() + y * w;
                if (clockwise) {
                    for (size_t x = tx; x < x_end; ++x) out[x * h + (h - 1 - y)] = row[x];
                } else {
                    for (size_t x = tx; x < x_end; ++x) out[(w - 1 - x) * h + y] = row[x];
                }
            }
        }
    }
}

std::optional<size_t> cf_dib_size(int32_t width, int32_t height) {
    if (width < 1 || height < 1) return std::nullopt;
    const uint64_t image = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4u;
    if (image > 0xFFFFFFFFull) return std::nullopt;  // biSizeImage is a DWORD
    const uint64_t total = image + CF_DIB_HEADER_SIZE;
    if (total > SIZE_MAX) return std::nullopt;
    return static_cast<size_t>(total);
}

void write_cf_dib(std::span<const uint32_t> pixels, int32_t width, int32_t height, std::span<uint8_t> out) {
    check_image(pixels, width, height);
    const std::optional<size_t> size = cf_dib_size(width, height);
    if (!size || out.size() != *size) fatal_invariant("CF_DIB buffer does not match the image size");
    uint8_t* h = out.data();
    std::memset(h, 0, CF_DIB_HEADER_SIZE);
    put_u32(h + 0, 40);
    put_u32(h + 4, static_cast<uint32_t>(width));
    put_u32(h + 8, static_cast<uint32_t>(height));
    put_u16(h + 12, 1);
    put_u16(h + 14, 32);
    put_u32(h + 16, 0);  // BI_RGB
    put_u32(h + 20, static_cast<uint32_t>(*size - CF_DIB_HEADER_SIZE));

    const size_t w = static_cast<size_t>(width);
    const size_t rows = static_cast<size_t>(height);
    uint8_t* dst = h + CF_DIB_HEADER_SIZE;
    for (size_t i = 0; i < rows; ++i) {
        const uint32_t* src = pixels.data() + (rows - 1 - i) * w;
        for (size_t x = 0; x < w; ++x) {
            const uint32_t v = src[x] | FOURTH_BYTE;
            std::memcpy(dst + x * 4, &v, 4);  // the pixel bytes are little-endian in memory
        }
        dst += w * 4;
    }
}

std::optional<std::vector<uint8_t>> pack_cf_dib(std::span<const uint32_t> pixels, int32_t width, int32_t height) {
    const std::optional<size_t> size = cf_dib_size(width, height);
    if (!size) return std::nullopt;
    std::vector<uint8_t> out(*size);
    write_cf_dib(pixels, width, height, out);
    return out;
}

bool loadable_image_size(uint64_t width, uint64_t height) {
    if (width < 1 || height < 1 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
    return width * height <= MAX_LOADED_PIXELS;
}
