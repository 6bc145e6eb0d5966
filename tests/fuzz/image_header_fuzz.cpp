// The image header reader: any bytes give none or a size of at least 1 x 1, reading only inside
// the file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/image_header.h"
#include "support/fuzz_input.h"

namespace {
// Counts the reads, so a walk that does not end shows up as a timeout or this check.
class CountingSource final : public ByteSource {
public:
    explicit CountingSource(std::span<const uint8_t> bytes) : inner_(bytes) {}
    bool read(uint64_t offset, std::span<uint8_t> out) override {
        ++reads;
        return inner_.read(offset, out);
    }
    size_t reads = 0;

private:
    MemorySource inner_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CountingSource source(std::span<const uint8_t>(data, size));
    if (const std::optional<ImageHeader> header = read_image_header(source)) {
        FUZZ_CHECK(header->width >= 1 && header->height >= 1);
    }
    FUZZ_CHECK(source.reads <= 1'000'000);
    return 0;
}
