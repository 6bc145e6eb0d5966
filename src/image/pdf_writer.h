#pragma once
// A one-page PDF 1.4 that shows a JPEG at 0.75 points per pixel (96 dpi). Platform-free.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The page side in points for a pixel count: single-precision pixels * 0.75, two decimals.
std::string pdf_points(uint32_t pixels);

// The whole file. The JPEG bytes are embedded unchanged as a DCTDecode image.
std::vector<uint8_t> write_pdf_with_jpeg(std::span<const uint8_t> jpeg, uint32_t width,
                                         uint32_t height);
