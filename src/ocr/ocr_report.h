#pragma once
// The report of the --ocr-file developer job. Platform-free.
#include <string>
#include <vector>

#include "ocr/ocr_types.h"

struct OcrReportInput {
    int32_t source_width = 0, source_height = 0;
    int32_t scale = 1;
    OcrPixels image;         // the prepared image that was recognised
    std::string language;    // empty: all installed recognisers
    std::vector<OcrLine> lines;
    bool words = false;      // "--words": every word with its box
    bool pixels = false;     // ORMICK_OXEL_OCR_PIXELS: each line's band, background and ink threshold
};

// "image WxH prepared WxH scale K", "language TAG", then "== text ==", "== lines ==" and the
// optional "== words ==" and "== pixels ==" sections.
std::string ocr_file_report(const OcrReportInput& in);
