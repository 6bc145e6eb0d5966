#pragma once
// Parts of a file read by offset, for parsers that look at a header a few bytes at a time: one
// window of the file is kept, so most small reads cost no system call.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "util/byte_source.h"
#include "win/handles.h"

class FileSource final : public ByteSource {
public:
    // None when the file cannot be opened for reading: missing, a folder, locked.
    static std::optional<FileSource> open(const std::string& path);
    bool read(uint64_t offset, std::span<uint8_t> out) override;

private:
    FileSource(Handle file, uint64_t size) : file_(std::move(file)), size_(size) {}
    bool read_direct(uint64_t offset, std::span<uint8_t> out);

    Handle file_;
    uint64_t size_ = 0;  // when opened; a file that shrinks later fails its reads
    std::vector<uint8_t> window_;
    uint64_t window_at_ = 0;
};
