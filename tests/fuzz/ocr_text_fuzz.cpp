// What the OCR engine hands back, as the recognition path takes it: raw lines of UTF-16 words
// with float boxes (ordinary, huge, negative, infinite or NaN) from a primary and up to three
// other recognisers, cleaned by lines_from_raw, chosen by script and assembled over an image
// with drawn marks. Invariants: cleaned lines hold only non-empty valid UTF-8 words; the choice
// keeps lines non-empty and only words that some recogniser read; both assembled texts are
// valid UTF-8, empty without lines, and joining lines never adds a line break.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ocr/ocr_assemble.h"
#include "ocr/ocr_choose.h"
#include "ocr/ocr_recognize.h"
#include "support/fuzz_input.h"
#include "util/text.h"

namespace {

constexpr const char* TAGS[] = {"en-US", "ja-JP", "zh-Hans-CN", "zh-TW", "ko", "ru-RU", "el", "ar-SA", "he", "th", "hi-IN", "sr-Latn-RS", "fil"};
constexpr char16_t UNITS[] = {u'A', u'z', u'7', u' ', u',', u'.', u':', u'-', u'(', u')', u'~', u'\u4E00', u'\u6771',
                              u'\u3002', u'\uFF0C', u'\u3042', u'\uC11C', u'\u0416', u'\u03B1', u'\u05D0', u'\u0627',
                              u'\u0E01', u'\u0915', u'\u00B7', u'\u2014',
                              // a surrogate pair, and a lone low surrogate
                              char16_t{0xD83D}, char16_t{0xDE00}, char16_t{0xDC00}};

// Mostly a place on or near the image, sometimes any float at all.
float coordinate(FuzzInput& in, int32_t extent) {
    if (in.below(8) == 0) {
        const uint32_t bits = in.number<uint32_t>();
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    return static_cast<float>(static_cast<int64_t>(in.below(static_cast<size_t>(extent) + 32)) - 16);
}

std::u16string word_text(FuzzInput& in) {
    std::u16string text(in.below(5), u'\0');
    for (char16_t& c : text) c = in.flag() ? UNITS[in.below(std::size(UNITS))] : in.number<char16_t>();
    return text;
}

std::vector<RawOcrLine> raw_lines(FuzzInput& in, int32_t width, int32_t height) {
    std::vector<RawOcrLine> lines(in.below(6));
    for (RawOcrLine& line : lines) {
        line.resize(in.below(6));
        for (RawOcrWord& w : line) {
            w.text = word_text(in);
            w.x = coordinate(in, width);
            w.y = coordinate(in, height);
            w.width = coordinate(in, width / 2);
            w.height = coordinate(in, height / 2);
        }
    }
    return lines;
}

void check_cleaned(const std::vector<OcrLine>& lines, std::set<std::string>& seen) {
    for (const OcrLine& line : lines) {
        FUZZ_CHECK(!line.words.empty());
        for (const OcrWord& w : line.words) {
            FUZZ_CHECK(!w.text.empty() && is_valid_utf8(w.text));
            seen.insert(w.text);
        }
    }
}

size_t word_count(const std::vector<OcrLine>& lines) {
    size_t n = 0;
    for (const OcrLine& l : lines) n += l.words.size();
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const auto width = static_cast<int32_t>(1 + in.below(160));
    const auto height = static_cast<int32_t>(1 + in.below(90));

    // A background with a few marks: dots, rings and dashes come out of rectangles.
    OcrImage image{std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height),
                                         0xFF000000u | (in.number<uint32_t>() & 0xFFFFFF)),
                   width, height};
    for (size_t marks = in.below(8); marks > 0; --marks) {
        const uint32_t colour = 0xFF000000u | (in.number<uint32_t>() & 0xFFFFFF);
        const auto x0 = static_cast<int32_t>(in.below(static_cast<size_t>(width)));
        const auto y0 = static_cast<int32_t>(in.below(static_cast<size_t>(height)));
        const int32_t x1 = std::min<int32_t>(width, x0 + 1 + static_cast<int32_t>(in.below(12)));
        const int32_t y1 = std::min<int32_t>(height, y0 + 1 + static_cast<int32_t>(in.below(12)));
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = x0; x < x1; ++x) image.pixels[static_cast<size_t>(y) * width + x] = colour;
    }

    std::set<std::string> read;
    const std::string primary_tag = in.flag() ? in.text(12) : TAGS[in.below(std::size(TAGS))];
    const std::vector<OcrLine> primary = lines_from_raw(raw_lines(in, width, height));
    check_cleaned(primary, read);
    size_t words_in = word_count(primary);
    std::vector<TaggedOcrResult> others(in.below(4));
    for (TaggedOcrResult& other : others) {
        other.tag = TAGS[in.below(std::size(TAGS))];
        other.lines = lines_from_raw(raw_lines(in, width, height));
        check_cleaned(other.lines, read);
        words_in += word_count(other.lines);
    }

    const std::vector<OcrLine> chosen = choose_best_ocr(primary_tag, primary, others);
    FUZZ_CHECK(word_count(chosen) <= words_in);
    for (const OcrLine& line : chosen) {
        FUZZ_CHECK(!line.words.empty());
        for (const OcrWord& w : line.words) FUZZ_CHECK(read.count(w.text) == 1);
    }

    const AssembledText text = assemble_ocr_text(chosen, pixels_of(image));
    FUZZ_CHECK(is_valid_utf8(text.assembled) && is_valid_utf8(text.lines));
    if (chosen.empty()) FUZZ_CHECK(text.assembled.empty() && text.lines.empty());
    FUZZ_CHECK(std::count(text.assembled.begin(), text.assembled.end(), '\n') <=
               std::count(text.lines.begin(), text.lines.end(), '\n'));
    return 0;
}
