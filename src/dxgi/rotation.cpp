#include "dxgi/rotation.h"

#include <cstring>

bool rotation_swaps_axes(uint32_t rotation) { return rotation == ROTATION_90 || rotation == ROTATION_270; }

namespace {
uint32_t span(int32_t from, int32_t to) { return static_cast<uint32_t>(int64_t{to} - int64_t{from}); }
}  // namespace

TexelSize texture_size_for(uint32_t rotation, const Rect& dest) {
    const uint32_t w = dest.empty() ? 0 : span(dest.l, dest.r);
    const uint32_t h = dest.empty() ? 0 : span(dest.t, dest.b);
    if (rotation_swaps_axes(rotation)) return {h, w};
    return {w, h};
}

BufferPoint texel_to_buffer(uint32_t rotation, const Rect& d, uint32_t c, uint32_t r) {
    const auto ci = static_cast<int32_t>(c);
    const auto ri = static_cast<int32_t>(r);
    switch (rotation) {
        case ROTATION_90: return {d.r - 1 - ri, d.t + ci};
        case ROTATION_180: return {d.r - 1 - ci, d.b - 1 - ri};
        case ROTATION_270: return {d.l + ri, d.b - 1 - ci};
        default: return {d.l + ci, d.t + ri};
    }
}

std::optional<TexelBox> texel_box_for(uint32_t rotation, const Rect& w, const Rect& p) {
    if (p.empty() || p.l < w.l || p.t < w.t || p.r > w.r || p.b > w.b) return std::nullopt;
    switch (rotation) {
        case ROTATION_90: return TexelBox{span(w.t, p.t), span(p.r, w.r), span(w.t, p.b), span(p.l, w.r)};
        case ROTATION_180: return TexelBox{span(p.r, w.r), span(p.b, w.b), span(p.l, w.r), span(p.t, w.b)};
        case ROTATION_270: return TexelBox{span(p.b, w.b), span(w.l, p.l), span(p.t, w.b), span(w.l, p.r)};
        default: return TexelBox{span(w.l, p.l), span(w.t, p.t), span(w.l, p.r), span(w.t, p.b)};
    }
}

bool copy_texels(const TexelView& src, uint32_t rotation, const PixelTarget& dst, const Rect& dest) {
    if (!src.data || !dst.pixels || dst.width < 1 || dst.height < 1) return false;
    const uint64_t buffer_pixels = static_cast<uint64_t>(dst.width) * static_cast<uint64_t>(dst.height);
    if (buffer_pixels > dst.pixel_count) return false;
    if (dest.empty() || dest.l < 0 || dest.t < 0 || dest.r > dst.width || dest.b > dst.height) return false;
    if (texture_size_for(rotation, dest) != TexelSize{src.width, src.height}) return false;
    if (src.row_pitch < static_cast<uint64_t>(src.width) * 4u) return false;

    const size_t stride = static_cast<size_t>(dst.width);
    if (!rotation_swaps_axes(rotation) && rotation != ROTATION_180) {
        for (uint32_t r = 0; r < src.height; ++r) {
            std::memcpy(dst.pixels + (static_cast<size_t>(dest.t) + r) * stride + static_cast<size_t>(dest.l),
                        src.data + static_cast<size_t>(r) * src.row_pitch, static_cast<size_t>(src.width) * 4u);
        }
        return true;
    }
    for (uint32_t r = 0; r < src.height; ++r) {
        const uint8_t* row = src.data + static_cast<size_t>(r) * src.row_pitch;
        for (uint32_t c = 0; c < src.width; ++c) {
            uint32_t texel;
            std::memcpy(&texel, row + static_cast<size_t>(c) * 4u, 4);  // mapped rows need not be aligned
            const BufferPoint p = texel_to_buffer(rotation, dest, c, r);
            dst.pixels[static_cast<size_t>(p.y) * stride + static_cast<size_t>(p.x)] = texel;
        }
    }
    return true;
}
