#include "win/file_io.h"

#include <windows.h>

#include "util/temp_name.h"
#include "util/text.h"
#include "win/env.h"
#include "win/error.h"
#include "win/handles.h"

namespace {

Status write_all(HANDLE file, const uint8_t* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr)) return last_error();
        if (written != chunk) return error_from_win32(ERROR_DISK_FULL);
        data += chunk;
        size -= chunk;
    }
    return {};
}

class HandleSink final : public ByteSink {
public:
    explicit HandleSink(HANDLE file) : file_(file) {}
    Status write(const uint8_t* data, size_t size) override { return write_all(file_, data, size); }

private:
    HANDLE file_;
};

// Deletes the temporary file unless the move took it away.
class TempFile {
public:
    explicit TempFile(std::wstring path) : path_(std::move(path)) {}
    ~TempFile() {
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    void moved() { path_.clear(); }

private:
    std::wstring path_;
};

}  // namespace

bool path_exists(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExW(to_wide(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

bool is_folder(const std::string& path) {
    const DWORD a = GetFileAttributesW(to_wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

Status create_folders(const std::string& path) {
    if (path.empty()) return make_error("no folder");
    if (is_folder(path)) return {};
    const std::string parent = parent_path(path);
    if (!parent.empty() && parent.size() < path.size()) {
        if (Status s = create_folders(parent); !s) return s;
    }
    if (CreateDirectoryW(to_wide(path).c_str(), nullptr)) return {};
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS && is_folder(path)) return {};
    return error_from_win32(code, path);
}

Result<std::optional<std::string>> read_file(const std::string& path, uint64_t max_bytes) {
    Handle file(CreateFileW(to_wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return std::optional<std::string>();
        return error_from_win32(code, path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return last_error(path);
    if (static_cast<uint64_t>(size.QuadPart) > max_bytes) return make_error(path + ": the file is too large");
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr))
            return last_error(path);
        if (n == 0) break;  // shrank meanwhile
        got += n;
    }
    bytes.resize(got);
    return std::optional<std::string>(std::move(bytes));
}

Status write_file_replacing(const std::string& path, const std::function<Status(ByteSink&)>& produce,
                            const ReplaceOptions& options) {
    const std::wstring target = to_wide(path);
    // A fresh name made by the system, so no file of the user's is ever taken over.
    const std::string parent = parent_path(path);
    const std::wstring folder = parent.empty() ? std::wstring(L".") : to_wide(parent);
    wchar_t name[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.c_str(), REPLACING_TEMP_PREFIX, 0, name) == 0) return last_error();
    const std::wstring temp = name;
    TempFile guard(temp);
    Handle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return last_error();

    HandleSink sink(file.get());
    if (Status s = produce(sink); !s) return s;
    if (!FlushFileBuffers(file.get())) return last_error();
    if (!CloseHandle(file.release())) return last_error();
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (options.replace_existing ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExW(temp.c_str(), target.c_str(), flags)) return last_error();
    guard.moved();
    return {};
}

Status write_file_replacing(const std::string& path, const std::vector<uint8_t>& bytes,
                            const ReplaceOptions& options) {
    return write_file_replacing(
        path, [&bytes](ByteSink& sink) { return sink.write(bytes.data(), bytes.size()); }, options);
}

Status write_file_replacing(const std::string& path, std::string_view bytes, const ReplaceOptions& options) {
    return write_file_replacing(
        path,
        [bytes](ByteSink& sink) { return sink.write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()); },
        options);
}

size_t remove_stale_temp_files(const std::string& folder, uint64_t written_before) {
    WIN32_FIND_DATAW found;
    // The pattern may also match by short name: each long name is checked again.
    FindHandle find(FindFirstFileW((to_wide(folder) + L"\\" + REPLACING_TEMP_PATTERN).c_str(), &found));
    if (!find) return 0;
    size_t removed = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string name = from_wide(found.cFileName);
        if (!is_replacing_temp_name(name)) continue;
        const uint64_t written = uint64_t{found.ftLastWriteTime.dwHighDateTime} << 32 | found.ftLastWriteTime.dwLowDateTime;
        if (written >= written_before) continue;
        if (DeleteFileW(to_wide(join_path(folder, name)).c_str())) ++removed;
    } while (FindNextFileW(find.get(), &found));
    return removed;
}

Result<FileWriter> FileWriter::create(const std::string& path) {
    Handle file(CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return last_error();
    return FileWriter(std::move(file));
}

Status FileWriter::write(const uint8_t* data, size_t size) {
    if (!file_) return error_from_win32(ERROR_INVALID_HANDLE);
    return write_all(file_.get(), data, size);
}

Status FileWriter::close() {
    if (!file_) return {};
    if (!FlushFileBuffers(file_.get())) {
        const Error e = last_error();
        file_.reset();
        return e;
    }
    if (!CloseHandle(file_.release())) return last_error();
    return {};
}
