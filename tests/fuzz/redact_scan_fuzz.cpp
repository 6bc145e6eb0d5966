// The personal-data scan over recognised words of any text and any boxes (NaN and infinite
// ones too): ranges stay inside their line and apart, and every rectangle mapped back lies
// inside the selection with a positive size; the --redact-file report is made of any of them.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "redact/redact_report.h"
#include "redact/redact_rules.h"
#include "redact/redact_scan.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const float scale = in.flag() ? 2.0f : 1.0f;
    const auto width = static_cast<float>(in.below(4000) + 1), height = static_cast<float>(in.below(4000) + 1);
    std::vector<OcrLine> lines(in.below(6) + 1);
    for (OcrLine& line : lines) {
        line.words.resize(in.below(12) + 1);
        for (OcrWord& w : line.words) {
            w.text = in.text(40);
            if (in.flag()) {
                w.x = in.number<float>(), w.y = in.number<float>();
                w.width = in.number<float>(), w.height = in.number<float>();
            } else {
                w.x = in.number<uint16_t>(), w.y = in.number<uint8_t>();
                w.width = in.number<uint8_t>(), w.height = static_cast<float>(in.below(60));
            }
        }
    }
    for (const OcrLine& line : lines) {
        const LineScan scan = scan_line(line);
        FUZZ_CHECK(scan.text.origin.size() == scan.text.text.size());
        for (size_t i = 0; i < scan.ranges.size(); ++i) {
            FUZZ_CHECK(scan.ranges[i].start < scan.ranges[i].end && scan.ranges[i].end <= scan.text.text.size());
            if (i) FUZZ_CHECK(scan.ranges[i - 1].end < scan.ranges[i].start);
        }
        FUZZ_CHECK(scan.rects.size() <= scan.ranges.size());
    }
    const std::vector<CoverRect> rects = redact_collect(lines);
    for (const CoverRect& r : map_redact_rects(rects, scale, width, height)) {
        FUZZ_CHECK(std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) && std::isfinite(r.height));
        FUZZ_CHECK(r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0);
        FUZZ_CHECK(r.x + r.width <= width * 1.0001f && r.y + r.height <= height * 1.0001f);
    }
    // The --redact-file report over the same words (no pixels to look at).
    RedactReportInput report{OcrPixels{}, lines, scale, width, height};
    const std::string text = redact_file_report(report);
    FUZZ_CHECK(text.rfind("== merged ==\n", 0) == 0 && text.find("\n== marks ==\n") != std::string::npos);
    // The rules alone, over the rest of the input as one line.
    const std::u32string rest = utf8_to_utf32(in.rest());
    for (const TextRange& r : find_personal_data(rest)) FUZZ_CHECK(r.start < r.end && r.end <= rest.size());
    return 0;
}
