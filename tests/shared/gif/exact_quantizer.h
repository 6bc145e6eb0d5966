#pragma once
// A quantiser for tests and benchmarks: every distinct colour gets its own entry, in order of
// first appearance; more than 256 colours is an error.
#include <cstring>

#include "record/gif_writer.h"

class ExactQuantizer final : public Quantizer {
public:
    Result<QuantizedImage> quantize(std::span<const uint32_t> pixels, uint32_t, uint32_t) override {
        QuantizedImage out;
        out.indices.resize(pixels.size());
        std::memset(used_, 0, sizeof used_);
        uint32_t last = 0xFFFFFFFFu;
        uint8_t last_index = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            const uint32_t rgb = pixels[i] & 0xFFFFFFu;
            if (rgb != last) {
                uint32_t slot = (rgb * 2654435761u) >> 22;  // 1024 slots
                while (used_[slot] && colour_[slot] != rgb) slot = (slot + 1) & 1023;
                if (!used_[slot]) {
                    if (out.colours.size() == 256) return make_error("more than 256 colours");
                    used_[slot] = true;
                    colour_[slot] = rgb;
                    index_[slot] = static_cast<uint8_t>(out.colours.size());
                    out.colours.push_back(0xFF000000u | rgb);
                }
                last = rgb;
                last_index = index_[slot];
            }
            out.indices[i] = last_index;
        }
        return out;
    }

private:
    bool used_[1024];
    uint32_t colour_[1024];
    uint8_t index_[1024];
};
