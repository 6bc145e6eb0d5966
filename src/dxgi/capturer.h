#pragma once
// The desktop-duplication capturer and its three operations, written against DxgiBackend so that
// every decision (rebuilds, lasting against transient failures, the rect-set comparison, the
// coverage of a region) is the same natively and on Windows. dxgi_win.h runs them on the UI
// thread's DXGI_CAPTURER with the real backend.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dxgi/backend.h"
#include "util/geometry.h"
#include "util/ui_cell.h"

struct AdapterDevice {
    GpuRef device;
    uint64_t luid = 0;
    GpuRef context;
};

struct GpuTexture {
    GpuRef texture;
    uint32_t width = 0, height = 0;
};

// One monitor attached to the desktop.
struct DuplicatedOutput {
    Rect rect;                                  // desktop coordinates
    std::optional<GpuTexture> frame_texture;    // copy of the last frame delivered
    std::optional<GpuTexture> region_texture;   // staging texture kept for region grabs
    GpuRef duplication;                         // null: none (yet, or released after a failure)
    GpuRef output;
    GpuRef device, context;                     // further references to its AdapterDevice
    uint32_t rotation = 0;
    bool has_frame = false;
    bool failed = false;  // lasting DuplicateOutput failure: skipped until the next rebuild
};

struct DxgiCapturer {
    std::vector<DuplicatedOutput> outputs;  // adapter by adapter, output by output
    std::vector<AdapterDevice> devices;     // one per adapter with an attached output
    bool recreate = true;                   // no grab uses it; the next pre-warm step rebuilds
};

using CapturerCell = UiCell<std::optional<DxgiCapturer>>;

// The frozen virtual-screen buffer: rows of `width` pixels, its top-left at the origin.
struct FrameBuffer {
    uint32_t* pixels = nullptr;
    size_t pixel_count = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t origin_x = 0;
    int32_t origin_y = 0;
};

struct GrabResult {
    std::vector<Rect> copied;  // desktop rectangles of the outputs that were copied
    bool incomplete = false;   // the caller restarts the pre-warm timer
};

// Refreshes the output's frame texture from its duplication (no new frame is not an error).
HResult refresh_output(DxgiBackend& backend, DuplicatedOutput& output);

// The pre-warm step; true while another step is wanted.
bool prewarm_step(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced);

// Copies every output it can into the frozen buffer.
GrabResult grab_outputs(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced, const FrameBuffer& frozen,
                        const std::vector<Rect>& monitors);

// Fills `pixels` (rows of rect's width) with the screen inside `rect`; true only when desktop
// duplication covered all of it, otherwise the caller grabs the rectangle by GDI.
bool grab_region(CapturerCell& cell, DxgiBackend& backend, bool gdi_forced, const Rect& rect, uint32_t* pixels,
                 size_t pixel_count);

// Empties the cell; nothing when it is borrowed.
void drop_capturer(CapturerCell& cell);

// Same rectangles, counted with multiplicity, in any order.
bool same_rect_set(std::vector<Rect> a, std::vector<Rect> b);
// A description with trailing NULs (and anything after the first NUL) cut, as UTF-8.
std::string adapter_description(const std::u16string& raw);
// "l,t,r,b"
std::string rect_text(const Rect& r);
// Milliseconds with one decimal.
std::string ms_text(double ms);
