#include "redact/redact_scan.h"

#include <algorithm>
#include <cmath>

#include "ocr/ocr_geometry.h"
#include "redact/redact_rules.h"
#include "util/text.h"

std::vector<TextRange> merge_ranges(std::vector<TextRange> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](const TextRange& a, const TextRange& b) { return a.start < b.start; });
    std::vector<TextRange> merged;
    for (const TextRange& r : ranges) {
        if (!merged.empty() && r.start <= merged.back().end) merged.back().end = std::max(merged.back().end, r.end);
        else merged.push_back(r);
    }
    return merged;
}

std::optional<CoverRect> range_cover(const LineText& text, const OcrLine& line, TextRange range) {
    bool any = false;
    float left = 0, top = 0, right = 0, bottom = 0;
    for (size_t i = range.start; i < range.end && i < text.origin.size(); ++i) {
        const CharOrigin& o = text.origin[i];
        if (o.word < 0 || static_cast<size_t>(o.word) >= line.words.size()) continue;
        const OcrWord& w = line.words[static_cast<size_t>(o.word)];
        const float cw = w.width / static_cast<float>(std::max(o.count, 1));
        const float l = w.x + static_cast<float>(o.index) * cw, r = w.x + static_cast<float>(o.index + 1) * cw;
        if (!any) {
            left = l, top = w.y, right = r, bottom = w.y + w.height;
            any = true;
        } else {
            left = std::min(left, l), top = std::min(top, w.y);
            right = std::max(right, r), bottom = std::max(bottom, w.y + w.height);
        }
    }
    if (!any) return std::nullopt;
    const float h = bottom - top;
    return CoverRect{left - 0.25f * h, top - 0.2f * h, right - left + 0.5f * h, h + 0.4f * h};
}

LineScan scan_line(const OcrLine& line) {
    LineScan scan{build_line_text(line), {}, {}};
    scan.ranges = merge_ranges(find_personal_data(scan.text.text));
    for (const TextRange& r : scan.ranges)
        if (std::optional<CoverRect> cover = range_cover(scan.text, line, r)) scan.rects.push_back(*cover);
    return scan;
}

std::optional<CoverRect> RedactDetect::next() {
    while (at_ >= pending_.size()) {
        if (line_ >= lines_.size()) return std::nullopt;
        pending_ = scan_line(lines_[line_++]).rects;
        at_ = 0;
    }
    return pending_[at_++];
}

std::vector<CoverRect> redact_collect(std::span<const OcrLine> lines) {
    std::vector<CoverRect> rects;
    RedactDetect detect(lines);
    while (std::optional<CoverRect> r = detect.next()) rects.push_back(*r);
    return rects;
}

std::optional<CoverRect> map_redact_rect(const CoverRect& r, float scale, float width, float height) {
    if (!(scale > 0) || std::isinf(scale)) return std::nullopt;
    constexpr auto margin = static_cast<float>(OCR_MARGIN);
    auto low = [&](float v) { return std::isnan(v) ? 0.0f : std::max(0.0f, (v - margin) / scale); };
    auto high = [&](float v, float limit) { return std::isnan(v) ? limit : std::min(limit, (v - margin) / scale); };
    const float x0 = low(r.x), y0 = low(r.y);
    const float x1 = high(r.x + r.width, width), y1 = high(r.y + r.height, height);
    if (!(x1 > x0 && y1 > y0)) return std::nullopt;
    return CoverRect{x0, y0, x1 - x0, y1 - y0};
}

std::vector<CoverRect> map_redact_rects(std::span<const CoverRect> rects, float scale, float width, float height) {
    std::vector<CoverRect> out;
    for (const CoverRect& r : rects)
        if (std::optional<CoverRect> m = map_redact_rect(r, scale, width, height)) out.push_back(*m);
    return out;
}

std::string redact_done_log_line(const RedactResult& result) {
    if (!result.outcome.ok()) return "redact done: Err(" + quoted_escaped(result.outcome.error().message) + ")";
    return "redact done: Ok(" + std::to_string(result.outcome.value().size()) + ")";
}
