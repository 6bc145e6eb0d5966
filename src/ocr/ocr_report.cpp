#include "ocr/ocr_report.h"

#include <cstdio>

#include "ocr/ocr_assemble.h"
#include "ocr/ocr_ink.h"

namespace {

std::string number(float v) {
    char s[32];
    std::snprintf(s, sizeof s, "%.1f", static_cast<double>(v));
    return s;
}

}  // namespace

std::string ocr_file_report(const OcrReportInput& in) {
    const AssembledText text = assemble_ocr_text(in.lines, in.image);
    std::string r = "image " + std::to_string(in.source_width) + "x" + std::to_string(in.source_height) + " prepared " +
                    std::to_string(in.image.width) + "x" + std::to_string(in.image.height) + " scale " +
                    std::to_string(in.scale) + "\n";
    r += "language " + (in.language.empty() ? std::string("all installed") : in.language) + "\n";
    r += "== text ==\n" + text.assembled + "\n== lines ==\n" + text.lines + "\n";
    if (in.words) {
        r += "== words ==\n";
        for (size_t i = 0; i < in.lines.size(); ++i)
            for (const OcrWord& w : in.lines[i].words)
                r += std::to_string(i + 1) + " " + number(w.x) + "," + number(w.y) + " " + number(w.width) + "x" +
                     number(w.height) + " " + w.text + "\n";
    }
    if (in.pixels) {
        r += "== pixels ==\n";
        for (size_t i = 0; i < in.lines.size(); ++i) {
            const OcrBand band = words_extent(in.lines[i].words);
            r += "line " + std::to_string(i + 1) + ": band " + number(band.top) + "+" + number(band.height);
            if (const std::optional<InkInfo> ink = estimate_background(in.image, in.lines[i].words, band)) {
                char colour[16];
                std::snprintf(colour, sizeof colour, "0x%06X", ink->background);
                r += ", background " + std::string(colour) + ", threshold " + std::to_string(ink->threshold) + "\n";
            } else {
                r += ", no ink\n";
            }
        }
    }
    return r;
}
