#include "settings/settings_win.h"

#include <windows.h>

#include "util/env_win.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"
#include "win/handles.h"

thread_local UiCell<Settings> SETTINGS;

namespace {

// Far beyond any hand-edited settings file; refuses to pull a stray huge file into memory.
constexpr LONGLONG MAX_SETTINGS_BYTES = 16 * 1024 * 1024;

bool is_folder(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The file's bytes; none when it does not exist.
Result<std::optional<std::string>> read_file(const std::string& path) {
    Handle file(CreateFileW(to_wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return std::optional<std::string>();
        return error_from_win32(code, path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return last_error(path);
    if (size.QuadPart > MAX_SETTINGS_BYTES) return make_error(path + ": the file is too large");
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n,
                      nullptr))
            return last_error(path);
        if (n == 0) break;  // shrank meanwhile
        got += n;
    }
    bytes.resize(got);
    return std::optional<std::string>(std::move(bytes));
}

Status create_folders(const std::string& path) {
    const std::wstring wide = to_wide(path);
    if (is_folder(wide)) return {};
    const std::string parent = parent_path(path);
    if (!parent.empty() && parent.size() < path.size()) {
        if (Status s = create_folders(parent); !s) return s;
    }
    if (CreateDirectoryW(wide.c_str(), nullptr)) return {};
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS && is_folder(wide)) return {};
    return error_from_win32(code, path);
}

Status write_all(HANDLE file, std::string_view bytes, const std::string& what) {
    while (!bytes.empty()) {
        DWORD n = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) || n == 0)
            return last_error(what);
        bytes.remove_prefix(n);
    }
    return {};
}

// Writes a sibling temporary file and moves it to `path`, so `path` holds the old bytes or the
// new ones, never a mix. Without `replace`, an existing `path` is kept and the move fails.
Status write_file_atomic(const std::string& path, std::string_view bytes, bool replace) {
    std::string tmp;
    Handle file;
    for (unsigned n = 0; n < 100 && !file; ++n) {
        tmp = path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n) + ".tmp";
        file.reset(CreateFileW(to_wide(tmp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return last_error(tmp);
    }
    if (!file) return make_error(path + ": no free temporary file name");
    const std::wstring wtmp = to_wide(tmp);
    Status s = write_all(file.get(), bytes, tmp);
    if (s && !FlushFileBuffers(file.get())) s = last_error(tmp);
    if (s && !CloseHandle(file.release())) s = last_error(tmp);
    file.reset();
    if (s) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
        if (!MoveFileExW(wtmp.c_str(), to_wide(path).c_str(), flags)) s = last_error(path);
    }
    if (!s) DeleteFileW(wtmp.c_str());
    return s;
}

bool already_exists(const Error& e) {
    return e.code && (*e.code == ERROR_ALREADY_EXISTS || *e.code == ERROR_FILE_EXISTS);
}

}  // namespace

std::string settings_folder() {
    // An empty APPDATA would make the path relative to whatever the current folder is.
    const auto appdata = env_var("APPDATA");
    return join_path(appdata && !appdata->empty() ? *appdata : temp_dir(), "Ormick Oxel");
}

std::string settings_path() { return join_path(settings_folder(), "settings.ini"); }

bool settings_file_exists() {
    return GetFileAttributesW(to_wide(settings_path()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void settings_load() {
    Settings loaded = default_settings();
    const auto read = read_file(settings_path());
    if (!read.ok()) {
        debug_log("settings: " + read.error().message + "; using the defaults");
    } else if (read.value()) {
        if (!is_valid_utf8(*read.value())) debug_log("settings: not UTF-8 text; using the defaults");
        loaded = parse_settings_text(*read.value());
    }
    *SETTINGS.borrow() = std::move(loaded);
}

Settings current_settings() { return SETTINGS.get(); }

Status settings_set_values(const std::vector<std::pair<std::string, std::string>>& pairs) {
    for (const auto& pair : pairs)
        if (!settings_key_is_valid(pair.first))
            return make_error("settings: invalid key");
    const std::string path = settings_path();
    // A second round only when the file appeared between reading and writing.
    for (int round = 0;; ++round) {
        auto old = read_file(path);
        if (!old.ok()) return old.error();
        if (old.value() && !is_valid_utf8(*old.value()))
            return make_error(path + ": not UTF-8 text, left unchanged");
        if (Status s = create_folders(settings_folder()); !s) return s;
        const bool existed = old.value().has_value();
        const std::string text = update_settings_text(old.value(), pairs);
        Status s = write_file_atomic(path, text, existed);
        if (!s && !existed && round == 0 && already_exists(s.error())) continue;
        return s;
    }
}

void write_settings_template() {
    if (settings_file_exists()) return;
    Status s = create_folders(settings_folder());
    if (s) s = write_file_atomic(settings_path(), SETTINGS_TEMPLATE, false);
    if (!s) debug_log("settings: template not written: " + s.error().message);
}
