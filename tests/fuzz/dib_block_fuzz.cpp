// The clipboard DIB check: any bytes give a refusal or a layout whose colours and pixels lie
// inside the block, within the pixel limit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "image/dib_block.h"
#include "image/pixels.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DibCheck check = check_dib_block(std::span<const uint8_t>(data, size));
    if (const DibLayout* l = std::get_if<DibLayout>(&check)) {
        FUZZ_CHECK(l->width >= 1 && l->height >= 1);
        FUZZ_CHECK(loadable_image_size(static_cast<uint64_t>(l->width), static_cast<uint64_t>(l->height)));
        FUZZ_CHECK(l->colours <= 256);
        FUZZ_CHECK(l->colours_offset + size_t{l->colours} * 4 <= l->pixels_offset);
        FUZZ_CHECK(l->stride >= (static_cast<size_t>(l->width) * l->bit_count + 7) / 8);
        FUZZ_CHECK(l->pixels_offset <= size && l->pixel_bytes() <= size - l->pixels_offset);
    }
    return 0;
}
