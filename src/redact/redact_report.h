#pragma once
// The report of the --redact-file developer job. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "ocr/ocr_types.h"

struct RedactReportInput {
    OcrPixels image;  // the prepared image that was recognised
    std::vector<OcrLine> lines;
    float scale = 1;
    float source_width = 0, source_height = 0;
};

// "== merged ==" the assembled text, "== lines ==" the line text, "== marks ==" each covered
// piece ("line N: x,y wxh" in the file's pixels, the prepared image's box, the text read) and
// "== words ==" every word with its box in the prepared image.
std::string redact_file_report(const RedactReportInput& in);
