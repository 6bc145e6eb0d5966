#include "win/file_source.h"

#include <algorithm>
#include <cstring>

#include "util/text.h"

namespace {

constexpr size_t WINDOW_BYTES = 16 * 1024;

}  // namespace

std::optional<FileSource> FileSource::open(const std::string& path) {
    Handle file(CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    return FileSource(std::move(file), static_cast<uint64_t>(size.QuadPart));
}

bool FileSource::read_direct(uint64_t offset, std::span<uint8_t> out) {
    while (!out.empty()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(out.size(), 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file_.get(), out.data(), chunk, &got, &at) || got == 0) return false;
        out = out.subspan(got);
        offset += got;
    }
    return true;
}

bool FileSource::read(uint64_t offset, std::span<uint8_t> out) {
    if (offset > size_ || out.size() > size_ - offset) return false;
    if (out.empty()) return true;
    if (out.size() > WINDOW_BYTES) return read_direct(offset, out);
    if (offset < window_at_ || offset - window_at_ > window_.size() ||
        out.size() > window_.size() - (offset - window_at_)) {
        window_.resize(static_cast<size_t>(std::min<uint64_t>(WINDOW_BYTES, size_ - offset)));
        window_at_ = offset;
        if (!read_direct(offset, window_)) {
            window_.clear();
            return false;
        }
    }
    std::memcpy(out.data(), window_.data() + (offset - window_at_), out.size());
    return true;
}
