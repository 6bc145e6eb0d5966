#include "record/gif_lzw.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "record/gif_writer.h"

uint32_t gif_table_bits(size_t colours) {
    uint32_t d = 1;
    while (d < 8 && (size_t{1} << d) < colours) ++d;
    return d;
}

namespace {

constexpr uint32_t MAX_CODE = 4095;

// The dictionary: (prefix code, next index) -> code, open addressing over twice the codes
// there can be. A generation stamp empties it without touching the slots.
class Dictionary {
public:
    Dictionary() { std::memset(stamp_, 0, sizeof stamp_); }
    void clear() {
        if (++generation_ == 0) {
            std::memset(stamp_, 0, sizeof stamp_);
            generation_ = 1;
        }
    }
    // The code of `key`, or -1; `slot` is where the key would go.
    int32_t find(uint32_t key, uint32_t& slot) const {
        uint32_t i = (key * 2654435761u) >> (32 - BITS);
        while (stamp_[i] == generation_) {
            if (key_[i] == key) return code_[i];
            i = (i + 1) & (SLOTS - 1);
        }
        slot = i;
        return -1;
    }
    void insert(uint32_t slot, uint32_t key, uint32_t code) {
        stamp_[slot] = generation_;
        key_[slot] = key;
        code_[slot] = static_cast<uint16_t>(code);
    }

private:
    static constexpr uint32_t BITS = 13;
    static constexpr uint32_t SLOTS = 1u << BITS;
    uint32_t generation_ = 1;
    uint32_t stamp_[SLOTS];
    uint32_t key_[SLOTS];
    uint16_t code_[SLOTS];
};

class BitPacker {
public:
    explicit BitPacker(std::vector<uint8_t>& out) : out_(out) {}
    void emit(uint32_t code, uint32_t width) {
        bits_ |= uint64_t{code} << count_;
        count_ += width;
        while (count_ >= 8) {
            out_.push_back(static_cast<uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void flush() {
        if (count_ > 0) out_.push_back(static_cast<uint8_t>(bits_));
        bits_ = 0;
        count_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t bits_ = 0;
    uint32_t count_ = 0;
};

}  // namespace

void lzw_encode(std::span<const uint8_t> indices, uint32_t min_code_size, std::vector<uint8_t>& out) {
    const uint32_t clear = 1u << min_code_size;
    const uint32_t end = clear + 1;
    uint32_t width = min_code_size + 1;
    uint32_t next = clear + 2;
    auto dict = std::make_unique<Dictionary>();
    BitPacker bits(out);
    out.reserve(out.size() + indices.size() / 2 + 16);

    bits.emit(clear, width);
    if (!indices.empty()) {
        uint32_t prefix = indices[0];
        for (size_t i = 1; i < indices.size(); ++i) {
            const uint32_t k = indices[i];
            const uint32_t key = prefix * 256 + k;
            uint32_t slot = 0;
            const int32_t code = dict->find(key, slot);
            if (code >= 0) {
                prefix = static_cast<uint32_t>(code);
                continue;
            }
            bits.emit(prefix, width);
            const uint32_t assigned = next++;
            dict->insert(slot, key, assigned);
            if (assigned >> width) ++width;
            if (assigned == MAX_CODE) {
                bits.emit(clear, width);
                dict->clear();
                width = min_code_size + 1;
                next = clear + 2;
            }
            prefix = k;
        }
        bits.emit(prefix, width);
        // Reading that last code, the decoder gives out the code this coder gave out last and
        // widens when its next code reaches 2^W: it reads the end code one bit wider then.
        if ((next >> width) && width < 12) ++width;
    }
    bits.emit(end, width);
    bits.flush();
}

Status write_sub_blocks(BufferedWriter& out, std::span<const uint8_t> data) {
    while (!data.empty()) {
        const size_t n = std::min<size_t>(data.size(), 255);
        if (Status s = out.put_byte(static_cast<uint8_t>(n)); !s) return s;
        if (Status s = out.put(data.data(), n); !s) return s;
        data = data.subspan(n);
    }
    return out.put_byte(0);
}
