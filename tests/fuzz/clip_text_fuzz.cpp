// Another program's clipboard text: a block of any bytes, with or without a NUL, read within
// its size; what it becomes is nothing only for white space, a colour only when the text
// parses as one, and otherwise valid UTF-8 of at most 5,000 code points from its start. The
// same bytes as a copied-file list are checked within the block too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "pin/clip_text.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size heap block, so that reading past it is caught.
    std::vector<char16_t> block(size / 2 + (size % 2));
    if (!block.empty()) std::memcpy(block.data(), data, size);
    const size_t n = clipboard_text_length(block.empty() ? nullptr : block.data(), size);
    FUZZ_CHECK(n <= size / 2);
    for (size_t i = 0; i < n; ++i) FUZZ_CHECK(block[i] != 0);
    const std::string utf8 = utf16_to_utf8(std::u16string_view(block.data(), n));
    // The same bytes as a copied-file list: read within the block.
    const std::vector<uint8_t> drop(data, data + size);
    if (dropped_files_within(drop.data(), drop.size())) FUZZ_CHECK(size > 20);

    const ClipTextImage image = clip_text_image(utf8);
    if (std::holds_alternative<NoClipImage>(image)) {
        FUZZ_CHECK(trim(utf8).empty());
    } else if (const Rgb* color = std::get_if<Rgb>(&image)) {
        FUZZ_CHECK(parse_color_code(utf8) == *color);
    } else {
        const std::string& text = std::get<std::string>(image);
        FUZZ_CHECK(!trim(utf8).empty() && !parse_color_code(utf8));
        FUZZ_CHECK(is_valid_utf8(text));
        FUZZ_CHECK(utf8_to_utf32(text).size() <= TEXT_IMAGE_MAX_CODE_POINTS);
        // Only carriage returns of line ends went: without any, the text starts the input.
        const auto without_cr = [](std::string_view s) {
            std::string out;
            for (char c : s)
                if (c != '\r') out += c;
            return out;
        };
        FUZZ_CHECK(without_cr(utf8).compare(0, without_cr(text).size(), without_cr(text)) == 0);
        FUZZ_CHECK(text.size() <= utf8.size());
    }
    return 0;
}
