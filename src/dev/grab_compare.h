#pragma once
// The "--compare-grab" comparison of a desktop-duplication grab with a GDI grab of the same
// virtual screen, and its report text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "util/geometry.h"

struct RegionDiff {
    uint64_t differing = 0;  // pixels whose colour bytes differ
    uint64_t total = 0;      // pixels compared
    uint32_t max_delta = 0;  // largest difference of one colour channel
};

// Compares the colour bytes (the fourth byte has no colour) of two buffers of `width` x `height`
// pixels inside `area` (buffer coordinates, clipped to the buffer). Nothing is compared when a
// buffer is missing or smaller than its size says.
RegionDiff compare_region(const uint32_t* a, const uint32_t* b, size_t pixel_count, int32_t width, int32_t height,
                          const Rect& area);

struct CompareInput {
    Rect virtual_screen;
    std::vector<Rect> monitors;
    std::vector<Rect> copied;  // what desktop duplication delivered
    bool incomplete = false;
    double prewarm_ms = 0, dxgi_ms = 0, gdi_ms = 0;
    const uint32_t* dxgi_pixels = nullptr;  // virtual-screen buffers
    const uint32_t* gdi_pixels = nullptr;
    size_t pixel_count = 0;
};

// One header line, then one line per monitor:
// "monitor l,t,r,b: N of M pixels differ, max channel delta D" or
// "monitor l,t,r,b: not captured by DXGI (GDI fallback)".
std::string compare_report(const CompareInput& in);
