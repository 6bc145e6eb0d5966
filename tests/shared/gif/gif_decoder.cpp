#include "gif_decoder.h"

#include <cstring>

namespace {

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

class Reader {
public:
    explicit Reader(std::span<const uint8_t> data) : data_(data) {}
    bool has(size_t n) const { return at_ + n <= data_.size(); }
    uint8_t u8() { return data_[at_++]; }
    uint16_t u16() {
        const uint16_t v = static_cast<uint16_t>(data_[at_] | data_[at_ + 1] << 8);
        at_ += 2;
        return v;
    }
    std::span<const uint8_t> take(size_t n) {
        auto s = data_.subspan(at_, n);
        at_ += n;
        return s;
    }
    bool done() const { return at_ == data_.size(); }

private:
    std::span<const uint8_t> data_;
    size_t at_ = 0;
};

// Sub-blocks up to the terminator, joined.
bool read_sub_blocks(Reader& r, std::vector<uint8_t>& out, std::string* error) {
    for (;;) {
        if (!r.has(1)) return fail(error, "sub-blocks run past the end");
        const uint8_t n = r.u8();
        if (n == 0) return true;
        if (!r.has(n)) return fail(error, "sub-block runs past the end");
        const auto s = r.take(n);
        out.insert(out.end(), s.begin(), s.end());
    }
}

}  // namespace

std::optional<std::vector<uint8_t>> lzw_decode(std::span<const uint8_t> codes, uint32_t m, std::string* error) {
    const uint32_t clear = 1u << m, end = clear + 1;
    std::vector<uint32_t> prefix(4096), length(4096);
    std::vector<uint8_t> suffix(4096), first(4096);
    for (uint32_t i = 0; i < clear; ++i) {
        prefix[i] = 0xFFFF;
        suffix[i] = first[i] = static_cast<uint8_t>(i);
        length[i] = 1;
    }
    uint32_t width = m + 1, next = clear + 2;
    int64_t prev = -1;
    size_t bit = 0;
    const size_t total_bits = codes.size() * 8;
    std::vector<uint8_t> out, entry;
    bool started = false;
    for (;;) {
        // Every code, the end code too, is read at the width the table has reached.
        uint32_t code = 0;
        for (uint32_t i = 0; i < width; ++i, ++bit) {
            if (bit < total_bits && (codes[bit / 8] >> (bit % 8) & 1)) code |= 1u << i;
        }
        if (bit > total_bits) {
            fail(error, "code stream ends without the end code");
            return std::nullopt;
        }
        if (!started && code != clear) {
            fail(error, "code stream does not start with a clear code");
            return std::nullopt;
        }
        started = true;
        if (code == clear) {
            width = m + 1;
            next = clear + 2;
            prev = -1;
            continue;
        }
        if (code == end) break;
        if (code > next || (code == next && prev < 0) || (code >= clear && code < clear + 2)) {
            fail(error, "code " + std::to_string(code) + " outside the table (next " + std::to_string(next) + ")");
            return std::nullopt;
        }
        if (prev >= 0) {
            if (next > 4095) {
                fail(error, "table full without a clear code");
                return std::nullopt;
            }
            const uint32_t p = static_cast<uint32_t>(prev);
            prefix[next] = p;
            suffix[next] = code == next ? first[p] : first[code];
            first[next] = first[p];
            length[next] = length[p] + 1;
            ++next;
            if (next == (1u << width) && width < 12) ++width;
        }
        entry.resize(length[code]);
        for (uint32_t c = code, i = length[code]; i-- > 0; c = prefix[c]) entry[i] = suffix[c];
        out.insert(out.end(), entry.begin(), entry.end());
        prev = code;
    }
    // After the end code: only zero padding within the last byte.
    if ((bit + 7) / 8 < codes.size()) {
        fail(error, "bytes after the end code");
        return std::nullopt;
    }
    for (size_t b = bit; b < total_bits; ++b) {
        if (codes[b / 8] >> (b % 8) & 1) {
            fail(error, "padding bits are not zero");
            return std::nullopt;
        }
    }
    return out;
}

std::optional<DecodedGif> decode_gif(std::span<const uint8_t> file, std::string* error) {
    Reader r(file);
    DecodedGif gif;
    if (!r.has(13) || std::memcmp(r.take(6).data(), "GIF89a", 6) != 0) {
        fail(error, "not GIF89a");
        return std::nullopt;
    }
    gif.width = r.u16();
    gif.height = r.u16();
    if (r.u8() != 0 || r.u8() != 0 || r.u8() != 0) {
        fail(error, "unexpected screen descriptor flags");
        return std::nullopt;
    }
    std::vector<uint32_t> canvas(size_t{gif.width} * gif.height, 0);
    std::optional<DecodedGifFrame> gce;
    for (;;) {
        if (!r.has(1)) {
            fail(error, "no trailer");
            return std::nullopt;
        }
        const uint8_t introducer = r.u8();
        if (introducer == 0x3B) break;
        if (introducer == 0x21) {
            if (!r.has(2)) return fail(error, "short extension"), std::nullopt;
            const uint8_t label = r.u8();
            if (label == 0xFF) {
                if (!r.has(12) || r.u8() != 11 || std::memcmp(r.take(11).data(), "NETSCAPE2.0", 11) != 0) {
                    return fail(error, "unknown application extension"), std::nullopt;
                }
                std::vector<uint8_t> data;
                if (!read_sub_blocks(r, data, error)) return std::nullopt;
                if (data.size() != 3 || data[0] != 1) return fail(error, "bad loop block"), std::nullopt;
                gif.loop_count = static_cast<uint16_t>(data[1] | data[2] << 8);
            } else if (label == 0xF9) {
                if (!r.has(6) || r.u8() != 4) return fail(error, "bad control extension"), std::nullopt;
                gce = DecodedGifFrame{};
                gce->packed_gce = r.u8();
                gce->delay = r.u16();
                r.u8();
                if (r.u8() != 0) return fail(error, "control extension not terminated"), std::nullopt;
            } else {
                return fail(error, "unexpected extension"), std::nullopt;
            }
            continue;
        }
        if (introducer != 0x2C) return fail(error, "unexpected block"), std::nullopt;
        if (!gce) return fail(error, "image without a control extension"), std::nullopt;
        if (!r.has(9)) return fail(error, "short image descriptor"), std::nullopt;
        DecodedGifFrame f = *gce;
        gce.reset();
        f.left = r.u16();
        f.top = r.u16();
        f.width = r.u16();
        f.height = r.u16();
        f.packed_descriptor = r.u8();
        if (!(f.packed_descriptor & 0x80) || (f.packed_descriptor & 0x70)) {
            return fail(error, "no local table, or interlaced/sorted"), std::nullopt;
        }
        if (size_t{f.left} + f.width > gif.width || size_t{f.top} + f.height > gif.height) {
            return fail(error, "frame outside the screen"), std::nullopt;
        }
        const size_t entries = size_t{1} << ((f.packed_descriptor & 7) + 1);
        if (!r.has(entries * 3 + 1)) return fail(error, "short colour table"), std::nullopt;
        for (size_t i = 0; i < entries; ++i) {
            const uint32_t red = r.u8(), green = r.u8(), blue = r.u8();
            f.palette.push_back(red << 16 | green << 8 | blue);
        }
        f.min_code_size = r.u8();
        std::vector<uint8_t> codes;
        if (!read_sub_blocks(r, codes, error)) return std::nullopt;
        auto indices = lzw_decode(codes, f.min_code_size, error);
        if (!indices) return std::nullopt;
        if (indices->size() != size_t{f.width} * f.height) {
            return fail(error, "pixel count " + std::to_string(indices->size())), std::nullopt;
        }
        f.indices = std::move(*indices);
        for (size_t y = 0; y < f.height; ++y) {
            for (size_t x = 0; x < f.width; ++x) {
                const uint8_t i = f.indices[y * f.width + x];
                if (i >= f.palette.size()) return fail(error, "index outside the table"), std::nullopt;
                canvas[(f.top + y) * gif.width + f.left + x] = f.palette[i];
            }
        }
        f.canvas = canvas;
        gif.frames.push_back(std::move(f));
    }
    if (!r.done()) return fail(error, "bytes after the trailer"), std::nullopt;
    return gif;
}
