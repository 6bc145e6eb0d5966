#include "redact/redact_report.h"

#include <cstdio>

#include "ocr/ocr_assemble.h"
#include "redact/redact_scan.h"
#include "util/text.h"

namespace {

std::string box(const CoverRect& r) {
    char s[96];
    std::snprintf(s, sizeof s, "%.1f,%.1f %.1fx%.1f", static_cast<double>(r.x), static_cast<double>(r.y),
                  static_cast<double>(r.width), static_cast<double>(r.height));
    return s;
}

// The scan text of a range, a hard break shown as " | ".
std::string range_text(const LineText& t, TextRange r) {
    std::u32string s;
    for (size_t i = r.start; i < r.end; ++i) {
        if (t.text[i] == HARD_BREAK) s += U" | ";
        else s.push_back(t.text[i]);
    }
    return utf32_to_utf8(s);
}

}  // namespace

std::string redact_file_report(const RedactReportInput& in) {
    const AssembledText text = assemble_ocr_text(in.lines, in.image);
    std::string r = "== merged ==\n" + text.assembled + "\n== lines ==\n" + text.lines + "\n== marks ==\n";
    for (size_t i = 0; i < in.lines.size(); ++i) {
        const LineScan scan = scan_line(in.lines[i]);
        for (const TextRange& range : scan.ranges) {
            const std::optional<CoverRect> cover = range_cover(scan.text, in.lines[i], range);
            if (!cover) continue;
            const std::optional<CoverRect> mapped = map_redact_rect(*cover, in.scale, in.source_width, in.source_height);
            r += "line " + std::to_string(i + 1) + ": " + (mapped ? box(*mapped) : std::string("outside")) +
                 " (prepared " + box(*cover) + ") " + quoted_escaped(range_text(scan.text, range)) + "\n";
        }
    }
    r += "== words ==\n";
    for (size_t i = 0; i < in.lines.size(); ++i)
        for (const OcrWord& w : in.lines[i].words)
            r += std::to_string(i + 1) + " " + box({w.x, w.y, w.width, w.height}) + " " + w.text + "\n";
    return r;
}
