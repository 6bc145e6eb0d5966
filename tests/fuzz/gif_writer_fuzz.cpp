// The GIF writer with made-up frames, times, quantiser answers and write failures: a run
// without a failure gives a file that a strict decoder reads back to every kept frame's pixels
// with every delay within 2..65535 cs; LZW alone round-trips any index stream.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gif_decoder.h"
#include "record/gif_lzw.h"
#include "record/gif_writer.h"
#include "support/fuzz_input.h"

namespace {

// Exact colours while there are at most 256; sometimes an answer of the input's own making.
class FuzzQuantizer final : public Quantizer {
public:
    explicit FuzzQuantizer(FuzzInput& in) : in_(in) {}
    bool made_up = false;

    Result<QuantizedImage> quantize(std::span<const uint32_t> pixels, uint32_t, uint32_t) override {
        QuantizedImage out;
        if (in_.below(16) == 0) {
            made_up = true;
            out.indices.resize(in_.below(2) ? pixels.size() : in_.below(64));
            for (uint8_t& i : out.indices) i = in_.number<uint8_t>();
            out.colours.resize(in_.below(300));
            return out;
        }
        for (const uint32_t p : pixels) {
            const uint32_t rgb = p & 0xFFFFFFu;
            size_t i = 0;
            while (i < out.colours.size() && (out.colours[i] & 0xFFFFFFu) != rgb) ++i;
            if (i == out.colours.size()) {
                if (i == 256) return make_error("more than 256 colours");
                out.colours.push_back(0xFF000000u | rgb);
            }
            out.indices.push_back(static_cast<uint8_t>(i));
        }
        return out;
    }

private:
    FuzzInput& in_;
};

class FailingSink final : public ByteSink {
public:
    explicit FailingSink(size_t fail_after) : fail_after_(fail_after) {}
    Status write(const uint8_t* data, size_t size) override {
        if (fail_after_ && bytes.size() + size > fail_after_) return make_error("disk full");
        bytes.insert(bytes.end(), data, data + size);
        return {};
    }
    std::vector<uint8_t> bytes;

private:
    size_t fail_after_;
};

void fuzz_lzw(FuzzInput& in) {
    const uint32_t m = 2 + static_cast<uint32_t>(in.below(7));
    std::vector<uint8_t> indices;
    for (const char c : in.text(4096)) indices.push_back(static_cast<uint8_t>(c) & ((1u << m) - 1));
    std::vector<uint8_t> codes;
    lzw_encode(indices, m, codes);
    const auto back = lzw_decode(codes, m);
    FUZZ_CHECK(back && *back == indices);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    if (in.flag()) {
        fuzz_lzw(in);
        return 0;
    }
    const uint32_t w = 1 + static_cast<uint32_t>(in.below(40)), h = 1 + static_cast<uint32_t>(in.below(24));
    FailingSink sink(in.below(4) == 0 ? in.below(4096) : 0);
    FuzzQuantizer quantizer(in);
    GifEncoder encoder(sink, quantizer, w, h);
    bool ok = static_cast<bool>(encoder.begin());
    std::vector<std::vector<uint32_t>> kept;  // the frames that changed anything
    std::vector<uint32_t> previous(size_t{w} * h, 0);
    const size_t frames = in.below(10);
    for (size_t f = 0; ok && f < frames; ++f) {
        std::vector<uint32_t> px = previous;
        const size_t colours = 1 + in.below(in.below(8) == 0 ? 300 : 6);
        for (size_t n = in.below(px.size() + 1); n > 0; --n) {
            px[in.below(px.size())] = static_cast<uint32_t>(in.below(colours)) * 0x9E3779u | in.number<uint8_t>() << 24;
        }
        double time = in.below(8) == 0 ? in.number<double>() : static_cast<double>(in.below(5000)) / 1000.0;
        if (f == 0 || px.size() != previous.size()) time = std::fabs(time);
        bool changed = f == 0;
        for (size_t i = 0; i < px.size(); ++i) changed = changed || ((px[i] ^ previous[i]) & 0xFFFFFFu) != 0;
        ok = static_cast<bool>(encoder.add({px, time}));
        if (changed) kept.push_back(px);
        previous = std::move(px);
    }
    if (ok) ok = static_cast<bool>(encoder.finish());
    if (!ok || quantizer.made_up) return 0;

    const auto gif = decode_gif(sink.bytes);
    FUZZ_CHECK(gif.has_value());
    FUZZ_CHECK(gif->width == w && gif->height == h && gif->loop_count == 0);
    FUZZ_CHECK(gif->frames.size() == kept.size());
    for (size_t f = 0; f < kept.size(); ++f) {
        const DecodedGifFrame& frame = gif->frames[f];
        FUZZ_CHECK(frame.delay >= 2);
        for (size_t i = 0; i < kept[f].size(); ++i) FUZZ_CHECK(frame.canvas[i] == (kept[f][i] & 0xFFFFFFu));
    }
    return 0;
}
