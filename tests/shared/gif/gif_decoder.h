#pragma once
// A strict decoder of the GIF files the recorder writes, for tests: every block is checked,
// LZW codes must stay within the table, and each frame is composed onto the canvas.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct DecodedGifFrame {
    uint16_t left = 0, top = 0, width = 0, height = 0;
    uint16_t delay = 0;             // centiseconds
    uint8_t packed_gce = 0;
    uint8_t packed_descriptor = 0;
    uint8_t min_code_size = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB, as many entries as the table holds
    std::vector<uint8_t> indices;
    std::vector<uint32_t> canvas;   // 0x00RRGGBB of the whole screen after this frame
};

struct DecodedGif {
    uint16_t width = 0, height = 0;
    uint16_t loop_count = 0xFFFF;
    std::vector<DecodedGifFrame> frames;
};

// None (and the reason in `error`) for anything the recorder would not write.
std::optional<DecodedGif> decode_gif(std::span<const uint8_t> file, std::string* error = nullptr);

// LZW alone: the indices of one code stream, or none when it is malformed.
std::optional<std::vector<uint8_t>> lzw_decode(std::span<const uint8_t> codes, uint32_t min_code_size,
                                               std::string* error = nullptr);
