#pragma once
// Where encoded or written bytes go. A failed write is final: the writer stops and returns it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "util/result.h"

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual Status write(const uint8_t* data, size_t size) = 0;
};

// Collects the bytes in memory.
class MemorySink final : public ByteSink {
public:
    Status write(const uint8_t* data, size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
        return {};
    }
    std::vector<uint8_t> bytes;
};
