#include "dxgi/capturer.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "util/log.h"
#include "util/text.h"

bool is_transient_duplicate_error(HResult hr) {
    return hr == HR_DXGI_NOT_CURRENTLY_AVAILABLE || hr == HR_DXGI_ACCESS_LOST || hr == HR_DXGI_WAIT_TIMEOUT ||
           hr == HR_DXGI_SESSION_DISCONNECTED || hr == HR_ACCESS_DENIED;
}

bool same_rect_set(std::vector<Rect> a, std::vector<Rect> b) {
    if (a.size() != b.size()) return false;
    const auto less = [](const Rect& x, const Rect& y) {
        return std::tie(x.l, x.t, x.r, x.b) < std::tie(y.l, y.t, y.r, y.b);
    };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

std::string adapter_description(const std::u16string& raw) {
    const size_t end = raw.find(u'\0');
    return utf16_to_utf8(std::u16string_view(raw).substr(0, end));
}

std::string rect_text(const Rect& r) {
    return std::to_string(r.l) + "," + std::to_string(r.t) + "," + std::to_string(r.r) + "," + std::to_string(r.b);
}

std::string ms_text(double ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", ms);
    return buf;
}

namespace {

// The rectangle relative to the origin; none when that does not fit 32 bits.
std::optional<Rect> relative_to(const Rect& r, int32_t origin_x, int32_t origin_y) {
    const int64_t v[4] = {int64_t{r.l} - origin_x, int64_t{r.t} - origin_y, int64_t{r.r} - origin_x,
                          int64_t{r.b} - origin_y};
    for (int64_t x : v)
        if (x < INT32_MIN || x > INT32_MAX) return std::nullopt;
    return Rect{static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2]),
                static_cast<int32_t>(v[3])};
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

void rebuild(DxgiCapturer& cap, DxgiBackend& backend) {
    const double start = backend.now_ms();
    cap.outputs.clear();
    cap.devices.clear();
    cap.recreate = false;

    if (GpuRef factory = backend.create_factory()) {
        for (uint32_t a = 0;; ++a) {
            const std::optional<AdapterInfo> adapter = backend.adapter(factory, a);
            if (!adapter || !adapter->adapter) break;
            debug_log("dxgi adapter " + std::to_string(a + 1) + ": " + adapter_description(adapter->description));
            // Without its LUID the adapter's device could not be told apart from another's.
            if (!adapter->described) continue;
            for (uint32_t o = 0;; ++o) {
                const std::optional<OutputInfo> info = backend.output(adapter->adapter, o);
                if (!info) break;
                if (!info->attached || !info->output) continue;
                auto dev = std::find_if(cap.devices.begin(), cap.devices.end(),
                                        [&](const AdapterDevice& d) { return d.luid == adapter->luid; });
                if (dev == cap.devices.end()) {
                    const std::optional<DeviceRefs> made = backend.create_device(adapter->adapter);
                    if (!made || !made->device || !made->context) continue;
                    cap.devices.push_back(AdapterDevice{made->device, adapter->luid, made->context});
                    dev = cap.devices.end() - 1;
                }
                DuplicatedOutput out;
                out.rect = info->rect;
                out.output = info->output;
                out.device = dev->device;
                out.context = dev->context;
                out.rotation = info->rotation;
                cap.outputs.push_back(std::move(out));
            }
        }
    }

    std::string line = "dxgi outputs (" + ms_text(backend.now_ms() - start) + " ms, " +
                       std::to_string(cap.devices.size()) + " device(s)): ";
    for (size_t i = 0; i < cap.outputs.size(); ++i) {
        if (i) line += "; ";
        line += rect_text(cap.outputs[i].rect) + " rot " + std::to_string(cap.outputs[i].rotation);
    }
    debug_log(line);
}

HResult copy_frame(DxgiBackend& backend, DuplicatedOutput& out, const GpuRef& resource) {
    if (!resource) return HR_FAIL;
    const FrameSurface surface = backend.frame_surface(resource);
    if (hr_failed(surface.hr)) return surface.hr;
    if (!surface.texture || surface.format != FORMAT_BGRA8 || surface.width == 0 || surface.height == 0)
        return HR_FAIL;
    if (!out.frame_texture || out.frame_texture->width != surface.width ||
        out.frame_texture->height != surface.height) {
        out.frame_texture.reset();
        const Created made = backend.create_texture(out.device, surface.width, surface.height, TextureUsage::Frame);
        if (hr_failed(made.hr)) return made.hr;
        if (!made.object) return HR_FAIL;
        out.frame_texture = GpuTexture{made.object, surface.width, surface.height};
    }
    backend.copy_resource(out.context, out.frame_texture->texture, surface.texture);
    out.has_frame = true;
    return HR_OK;
}

// The frame texture through a fresh staging texture into the frozen buffer.
HResult read_output(DxgiBackend& backend, const DuplicatedOutput& out, const FrameBuffer& frozen) {
    const GpuTexture& frame = *out.frame_texture;
    const Created staging = backend.create_texture(out.device, frame.width, frame.height, TextureUsage::Staging);
    if (hr_failed(staging.hr)) return staging.hr;
    if (!staging.object) return HR_FAIL;
    backend.copy_resource(out.context, staging.object, frame.texture);
    const MappedTexels mapped = backend.map_read(out.context, staging.object);
    if (hr_failed(mapped.hr)) return mapped.hr;
    bool ok = false;
    if (const std::optional<Rect> dest = relative_to(out.rect, frozen.origin_x, frozen.origin_y)) {
        ok = copy_texels(TexelView{mapped.data, mapped.row_pitch, frame.width, frame.height}, out.rotation,
                         PixelTarget{frozen.pixels, frozen.pixel_count, frozen.width, frozen.height}, *dest);
    }
    backend.unmap(out.context, staging.object);
    return ok ? HR_OK : HR_FAIL;
}

// The output's part of a region through its kept region texture.
bool read_part(DxgiBackend& backend, DuplicatedOutput& out, const Rect& rect, const Rect& part,
               const PixelTarget& target) {
    const GpuTexture& frame = *out.frame_texture;
    if (texture_size_for(out.rotation, out.rect) != TexelSize{frame.width, frame.height}) return false;
    const std::optional<TexelBox> box = texel_box_for(out.rotation, out.rect, part);
    if (!box) return false;
    if (!out.region_texture || out.region_texture->width != box->width() ||
        out.region_texture->height != box->height()) {
        out.region_texture.reset();
        const Created made = backend.create_texture(out.device, box->width(), box->height(), TextureUsage::Staging);
        if (hr_failed(made.hr) || !made.object) return false;
        out.region_texture = GpuTexture{made.object, box->width(), box->height()};
    }
    const GpuRef region = out.region_texture->texture;
    backend.copy_region(out.context, region, frame.texture, *box);
    const MappedTexels mapped = backend.map_read(out.context, region);
    if (hr_failed(mapped.hr)) return false;
    const std::optional<Rect> dest = relative_to(part, rect.l, rect.t);
    const bool ok = dest && copy_texels(TexelView{mapped.data, mapped.row_pitch, box->width(), box->height()},
                                        out.rotation, target, *dest);
    backend.unmap(out.context, region);
    return ok;
}

}  // namespace

HResult refresh_output(DxgiBackend& backend, DuplicatedOutput& out) {
    if (!out.duplication) return HR_OK;
    const AcquiredFrame frame = backend.acquire_next_frame(out.duplication);
    if (frame.hr == HR_DXGI_WAIT_TIMEOUT) return HR_OK;
    if (hr_failed(frame.hr)) {
        out.duplication.reset();
        out.has_frame = false;
        return frame.hr;
    }
    HResult hr = HR_OK;
    if (frame.last_present_time != 0) hr = copy_frame(backend, out, frame.resource);
    backend.release_frame(out.duplication);
    if (hr_failed(hr)) out.has_frame = false;
    return hr;
}

namespace {
// With every output failed nothing uses the devices until the next rebuild, which makes them
// anew; keeping them would hold the GPU driver's memory for nothing (about 12 MB under Wine).
void release_when_all_failed(DxgiCapturer& cap) {
    if (cap.outputs.empty()) return;
    for (const DuplicatedOutput& out : cap.outputs)
        if (!out.failed) return;
    for (DuplicatedOutput& out : cap.outputs) {
        out.frame_texture.reset();
        out.region_texture.reset();
        out.duplication.reset();
        out.output.reset();
        out.device.reset();
        out.context.reset();
    }
    cap.devices.clear();
}
}  // namespace

bool prewarm_step(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced) {
    if (gdi_forced) return false;
    auto borrow = cell.try_borrow();
    if (!borrow) return false;
    std::optional<DxgiCapturer>& slot = **borrow;
    if (!slot) slot.emplace();
    DxgiCapturer& cap = *slot;
    if (cap.recreate) rebuild(cap, backend);

    bool again = false;
    for (DuplicatedOutput& out : cap.outputs) {
        if (out.failed) continue;
        if (!out.duplication) {
            const Created dup = backend.duplicate_output(out.output, out.device);
            if (hr_failed(dup.hr) || !dup.object) {
                const std::string why = hr_failed(dup.hr) ? backend.error_text(dup.hr) : "no duplication returned";
                debug_log("dxgi duplicate " + rect_text(out.rect) + " failed: " + why);
                if (hr_failed(dup.hr) && is_transient_duplicate_error(dup.hr))
                    again = true;
                else
                    out.failed = true;
                continue;
            }
            out.duplication = dup.object;
            out.has_frame = false;
        }
        if (!out.has_frame) {
            if (refresh_output(backend, out) == HR_DXGI_ACCESS_LOST) cap.recreate = true;
            if (!out.has_frame) again = true;
        }
    }
    release_when_all_failed(cap);
    return again || cap.recreate;
}

GrabResult grab_outputs(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced, const FrameBuffer& frozen,
                        const std::vector<Rect>& monitors) {
    GrabResult result;
    if (gdi_forced) return result;
    if (!frozen.pixels || frozen.width < 1 || frozen.height < 1 ||
        static_cast<uint64_t>(frozen.width) * static_cast<uint64_t>(frozen.height) > frozen.pixel_count)
        return result;
    auto borrow = cell.try_borrow();
    if (!borrow) return result;
    std::optional<DxgiCapturer>& slot = **borrow;
    if (!slot) slot.emplace();
    DxgiCapturer& cap = *slot;

    std::vector<Rect> output_rects;
    output_rects.reserve(cap.outputs.size());
    for (const DuplicatedOutput& out : cap.outputs) output_rects.push_back(out.rect);
    if (!same_rect_set(std::move(output_rects), monitors)) cap.recreate = true;
    if (cap.recreate) {
        result.incomplete = true;
        return result;
    }

    bool incomplete = false;
    for (DuplicatedOutput& out : cap.outputs) {
        if (out.failed) continue;
        const double start = backend.now_ms();
        if (!out.duplication) {
            incomplete = true;
            continue;
        }
        const HResult refreshed = refresh_output(backend, out);
        if (hr_failed(refreshed)) {
            debug_log("dxgi refresh " + rect_text(out.rect) + " failed: " + backend.error_text(refreshed));
            if (refreshed == HR_DXGI_ACCESS_LOST) cap.recreate = true;
            incomplete = true;
            continue;
        }
        if (!out.has_frame || !out.frame_texture) {
            incomplete = true;
            continue;
        }
        const HResult read = read_output(backend, out, frozen);
        if (hr_failed(read)) {
            debug_log("dxgi read " + rect_text(out.rect) + " failed: " + backend.error_text(read));
            out.has_frame = false;
            incomplete = true;
            continue;
        }
        debug_log("dxgi grab " + rect_text(out.rect) + " " + ms_text(backend.now_ms() - start) + " ms");
        result.copied.push_back(out.rect);
    }
    result.incomplete = incomplete || cap.recreate;
    return result;
}

bool grab_region(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced, const Rect& rect, uint32_t* pixels,
                 size_t pixel_count) {
    if (gdi_forced || rect.empty() || !pixels) return false;
    const int64_t width = int64_t{rect.r} - rect.l;
    const int64_t height = int64_t{rect.b} - rect.t;
    if (width > INT32_MAX || height > INT32_MAX) return false;
    const int64_t area = width * height;
    if (static_cast<uint64_t>(area) > pixel_count) return false;
    auto borrow = cell.try_borrow();
    if (!borrow) return false;
    std::optional<DxgiCapturer>& slot = **borrow;
    if (!slot) {
        slot.emplace();
        return false;
    }
    DxgiCapturer& cap = *slot;
    if (cap.recreate) return false;

    const PixelTarget target{pixels, pixel_count, static_cast<int32_t>(width), static_cast<int32_t>(height)};
    std::vector<Rect> done;
    int64_t covered = 0;
    for (DuplicatedOutput& out : cap.outputs) {
        const Rect part = intersect(out.rect, rect);
        if (part.empty()) continue;
        if (out.failed || !out.duplication) return false;
        const HResult refreshed = refresh_output(backend, out);
        if (hr_failed(refreshed)) {
            if (refreshed == HR_DXGI_ACCESS_LOST) cap.recreate = true;
            return false;
        }
        if (!out.has_frame || !out.frame_texture) return false;
        // Outputs showing the same desktop area (cloned monitors) must not count twice.
        if (std::any_of(done.begin(), done.end(), [&](const Rect& d) { return overlaps(d, part); })) continue;
        if (!read_part(backend, out, rect, part, target)) {
            out.has_frame = false;
            return false;
        }
        done.push_back(part);
        covered += part.area();
    }
    return covered == area;
}

void drop_capturer(CapturerCell& cell) {
    if (auto borrow = cell.try_borrow()) (*borrow)->reset();
}
