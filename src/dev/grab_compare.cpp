#include "dev/grab_compare.h"

#include <algorithm>

#include "dxgi/capturer.h"

RegionDiff compare_region(const uint32_t* a, const uint32_t* b, size_t pixel_count, int32_t width, int32_t height,
                          const Rect& area) {
    RegionDiff diff;
    if (!a || !b || width < 1 || height < 1 ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > pixel_count)
        return diff;
    const Rect clip = intersect(area, Rect{0, 0, width, height});
    if (clip.empty()) return diff;
    for (int32_t y = clip.t; y < clip.b; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int32_t x = clip.l; x < clip.r; ++x) {
            const uint32_t pa = a[row + static_cast<size_t>(x)];
            const uint32_t pb = b[row + static_cast<size_t>(x)];
            ++diff.total;
            if (((pa ^ pb) & 0x00FFFFFFu) == 0) continue;
            ++diff.differing;
            for (int shift = 0; shift < 24; shift += 8) {
                const int ca = static_cast<int>((pa >> shift) & 0xFFu);
                const int cb = static_cast<int>((pb >> shift) & 0xFFu);
                diff.max_delta = std::max(diff.max_delta, static_cast<uint32_t>(ca > cb ? ca - cb : cb - ca));
            }
        }
    }
    return diff;
}

std::string compare_report(const CompareInput& in) {
    const Rect& vs = in.virtual_screen;
    std::string out = "virtual screen " + rect_text(vs) + " (" + std::to_string(int64_t{vs.r} - vs.l) + "x" +
                      std::to_string(int64_t{vs.b} - vs.t) + "), " + std::to_string(in.monitors.size()) +
                      " monitor(s)\n";
    out += "pre-warm " + ms_text(in.prewarm_ms) + " ms, dxgi grab " + ms_text(in.dxgi_ms) + " ms (" +
           std::to_string(in.copied.size()) + " output(s) copied" + (in.incomplete ? ", incomplete" : "") +
           "), gdi grab " + ms_text(in.gdi_ms) + " ms\n";
    const int64_t width = int64_t{vs.r} - vs.l;
    const int64_t height = int64_t{vs.b} - vs.t;
    for (const Rect& m : in.monitors) {
        out += "monitor " + rect_text(m) + ": ";
        if (std::find(in.copied.begin(), in.copied.end(), m) == in.copied.end()) {
            out += "not captured by DXGI (GDI fallback)\n";
            continue;
        }
        RegionDiff d;
        if (width <= INT32_MAX && height <= INT32_MAX) {
            const Rect rel{saturate_i32(int64_t{m.l} - vs.l), saturate_i32(int64_t{m.t} - vs.t),
                           saturate_i32(int64_t{m.r} - vs.l), saturate_i32(int64_t{m.b} - vs.t)};
            d = compare_region(in.dxgi_pixels, in.gdi_pixels, in.pixel_count, static_cast<int32_t>(width),
                               static_cast<int32_t>(height), rel);
        }
        out += std::to_string(d.differing) + " of " + std::to_string(d.total) + " pixels differ, max channel delta " +
               std::to_string(d.max_delta) + "\n";
    }
    return out;
}
