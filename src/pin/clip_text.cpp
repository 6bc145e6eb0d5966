#include "pin/clip_text.h"

#include <algorithm>
#include <cmath>

#include "util/text.h"

namespace {

// Sizes are held well inside 32 bits so that sums of them cannot overflow.
constexpr int32_t MAX_SIDE = 1 << 24;

int32_t clamp_side(double v) {
    if (!(v > 0)) return 0;
    return v >= MAX_SIDE ? MAX_SIDE : static_cast<int32_t>(v);
}

int32_t trunc_px(float base, float f) { return clamp_side(std::trunc(static_cast<double>(base * f))); }

}  // namespace

size_t clipboard_text_length(const char16_t* units, size_t block_bytes) {
    if (!units) return 0;
    const size_t limit = std::min(block_bytes / sizeof(char16_t), CLIPBOARD_TEXT_MAX_UNITS);
    size_t n = 0;
    while (n < limit && units[n] != 0) ++n;
    // A cut at the limit keeps a surrogate pair whole by dropping its first half.
    if (n == limit && n > 0 && units[n - 1] >= 0xD800 && units[n - 1] <= 0xDBFF) --n;
    return n;
}

bool dropped_files_within(const uint8_t* block, size_t block_bytes) {
    constexpr size_t HEADER = 20;  // offset of the list, drop point, non-client flag, wide flag
    if (!block || block_bytes < HEADER) return false;
    const auto u32 = [block](size_t at) {
        return uint32_t{block[at]} | uint32_t{block[at + 1]} << 8 | uint32_t{block[at + 2]} << 16 |
               uint32_t{block[at + 3]} << 24;
    };
    const size_t start = u32(0);
    if (start < HEADER || start >= block_bytes) return false;
    const size_t unit = u32(16) != 0 ? 2 : 1;
    const size_t units = (block_bytes - start) / unit;
    const auto at = [&](size_t i) {
        const uint8_t* p = block + start + i * unit;
        return unit == 2 ? uint32_t{p[0]} | uint32_t{p[1]} << 8 : uint32_t{p[0]};
    };
    if (units == 0 || at(0) == 0) return false;  // no file
    // Names end with a zero; a second zero in a row is the empty name that ends the list.
    for (size_t i = 1; i < units; ++i)
        if (at(i) == 0 && at(i - 1) == 0) return true;
    return false;
}

std::string first_code_points(std::string_view utf8, size_t n) {
    size_t i = 0;
    for (size_t count = 0; i < utf8.size() && count < n; ++count) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return std::string(utf8.substr(0, i));
}

std::string crlf_to_lf(std::string_view text) { return replace_all(text, "\r\n", "\n"); }

ClipTextImage clip_text_image(std::string_view utf8) {
    const std::string_view text = trim_end(utf8);
    if (trim_start(text).empty()) return NoClipImage{};
    if (const std::optional<Rgb> color = parse_color_code(text)) return *color;
    return crlf_to_lf(first_code_points(text, TEXT_IMAGE_MAX_CODE_POINTS));
}

std::optional<SwatchLayout> swatch_layout(float f) {
    SwatchLayout s;
    s.width = trunc_px(180, f);
    s.height = trunc_px(116, f);
    if (s.width < 1 || s.height < 1) return std::nullopt;
    s.band = trunc_px(70, f);
    s.hex_font = trunc_px(15, f);
    s.rgb_font = trunc_px(12, f);
    const int32_t pad = trunc_px(12, f);
    const int32_t middle = s.band + (s.height - s.band) / 2;
    s.hex_rect = {pad, s.band, s.width - pad, middle + 2};
    s.rgb_rect = {pad, middle - 2, s.width - pad, s.height};
    return s;
}

TextImageLayout text_image_layout(float f) {
    TextImageLayout l;
    l.wrap_width = trunc_px(560, f);
    l.font = clamp_side(std::round(static_cast<double>(16 * f)));
    l.min_width = trunc_px(40, f);
    l.max_height = trunc_px(1600, f);
    l.margin = trunc_px(14, f);
    return l;
}

std::optional<TextImageSize> text_image_size(const TextImageLayout& layout, int32_t measured_w, int32_t measured_h) {
    // A word longer than the wrap width widens the measured text; it is cut at the wrap width as
    // the height is cut, so the image stays bounded whatever the text.
    const int32_t tw = std::max(std::min(measured_w, layout.wrap_width), layout.min_width);
    const int32_t th = std::min(std::clamp(measured_h, 0, MAX_SIDE), layout.max_height);
    const int32_t m = layout.margin;
    TextImageSize s{tw + 2 * m, th + 2 * m, {m, m, m + tw, m + th}};
    if (s.width < 1 || s.height < 1) return std::nullopt;
    return s;
}
