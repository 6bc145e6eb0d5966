#pragma once
// Reads a harness's input as a sequence of values; past the end every read gives zeros or
// nothing, so any input is a valid sequence.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }

    template <class T>
    T number() {
        T v{};
        const size_t n = std::min(sizeof v, size_ - at_);
        if (n) std::memcpy(&v, data_ + at_, n);
        at_ += n;
        return v;
    }
    bool flag() { return number<uint8_t>() & 1; }
    // A value in [0, bound) (0 for a bound of 0).
    size_t below(size_t bound) { return bound ? number<uint32_t>() % bound : 0; }
    // Up to max_len bytes: a length byte, then the bytes.
    std::string text(size_t max_len) {
        const size_t n = std::min<size_t>(below(max_len + 1), size_ - std::min(at_, size_));
        std::string s(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return s;
    }
    // Everything not read yet.
    std::string rest() {
        if (at_ >= size_) return {};
        std::string s(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A broken invariant: says which and stops, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                           \
        }                                                                           \
    } while (0)
