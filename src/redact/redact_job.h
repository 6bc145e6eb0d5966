#pragma once
// One hide-personal-data job: recognise the prepared selection, scan its words, map the
// rectangles back to the selection. Runs on the job's worker thread. Platform-free.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ocr/ocr_platform.h"
#include "redact/redact_types.h"

struct RedactJob {
    std::string language_tag;                      // empty: all installed recognisers
    std::optional<std::vector<uint32_t>> pixels;   // the prepared OcrImage; none when preparing failed
    int32_t width = 0, height = 0;                 // of the prepared image
    float scale = 1;                               // 1 or 2, as the preparation applied it
    float image_width = 0, image_height = 0;       // the selection before preparation
};

// The rectangles in pixels of the selection, or the error the user is shown: "out of memory"
// without pixels, else the recognition's error message.
RedactResult run_redact(OcrPlatform& platform, const RedactJob& job);
