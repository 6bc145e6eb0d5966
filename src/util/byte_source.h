#pragma once
// Where a parser reads bytes from: any part of a file or of memory, by offset.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills out with the bytes at offset; false when they cannot all be read (past the end
    // included), and then out holds nothing useful.
    virtual bool read(uint64_t offset, std::span<uint8_t> out) = 0;
};

// Reads from bytes the caller keeps alive.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool read(uint64_t offset, std::span<uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        if (!out.empty()) std::memcpy(out.data(), bytes_.data() + offset, out.size());
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
};
