#include "image/dropfiles.h"

std::optional<std::vector<uint8_t>> build_dropfiles(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
    constexpr size_t HEADER = 20;
    std::vector<uint8_t> block(HEADER + 2 * (path.size() + 2), 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) block[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, HEADER);  // pFiles
    // pt.x, pt.y and fNC stay 0.
    put32(16, 1);      // fWide
    for (size_t i = 0; i < path.size(); ++i) {
        block[HEADER + 2 * i] = static_cast<uint8_t>(path[i] & 0xFF);
        block[HEADER + 2 * i + 1] = static_cast<uint8_t>(path[i] >> 8);
    }
    return block;
}
