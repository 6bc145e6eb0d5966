// Small images of any content through the grey images, the attempts and zbar: no fault, and
// the texts are valid UTF-8 with none twice.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "qr/qr_scan.h"
#include "qr/zbar_decoder.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const size_t width = 1 + in.below(64), height = 1 + in.below(64);
    // A picture of two colours drawn by the input's bits, so codes and their parts can appear.
    const uint32_t dark = in.number<uint32_t>(), light = in.number<uint32_t>();
    std::vector<uint32_t> pixels(width * height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint8_t byte = i / 8 < size ? data[i / 8 % size] : 0;
        pixels[i] = (byte >> (i % 8)) & 1 ? dark : light;
    }
    // Sometimes fewer pixels than the size promises.
    if (in.flag()) pixels.resize(pixels.size() / 2);
    ZbarQrDecoder decoder;
    const std::vector<std::string> texts = qr_scan(pixels, width, height, decoder);
    for (size_t i = 0; i < texts.size(); ++i) {
        FUZZ_CHECK(is_valid_utf8(texts[i]));
        FUZZ_CHECK(std::count(texts.begin(), texts.end(), texts[i]) == 1);
    }
    return 0;
}
