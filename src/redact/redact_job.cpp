#include "redact/redact_job.h"

#include "ocr/ocr_recognize.h"
#include "redact/redact_scan.h"

RedactResult run_redact(OcrPlatform& platform, const RedactJob& job) {
    if (!job.pixels) return {make_error("out of memory")};
    OcrOutcome<std::vector<OcrLine>> lines =
        ocr_recognize(platform, *job.pixels, job.width, job.height, job.language_tag);
    if (!lines.ok()) return {make_error(ocr_error_message(lines.error(), platform), lines.error().hresult)};
    return {map_redact_rects(redact_collect(lines.value()), job.scale, job.image_width, job.image_height)};
}
