#include "win/env.h"

#include <windows.h>

#include <vector>

#include "util/text.h"

std::optional<std::string> env_var(const char* name) {
    const std::wstring wname = to_wide(name);
    SetLastError(0);
    DWORD n = GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
    if (n == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string();
    }
    std::vector<wchar_t> buf(n);
    DWORD got = GetEnvironmentVariableW(wname.c_str(), buf.data(), n);
    if (got == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    if (got >= n) got = 0;  // changed meanwhile: treat as empty
    return from_wide(std::wstring_view(buf.data(), got));
}

bool env_is_set(const char* name) {
    SetLastError(0);
    const DWORD n = GetEnvironmentVariableW(to_wide(name).c_str(), nullptr, 0);
    return n != 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
}

std::string temp_dir() {
    wchar_t buf[MAX_PATH + 2];
    DWORD n = GetTempPathW(MAX_PATH + 1, buf);
    if (n == 0 || n > MAX_PATH + 1) return ".";
    std::string s = from_wide(std::wstring_view(buf, n));
    while (s.size() > 3 && (s.back() == '\\' || s.back() == '/')) s.pop_back();
    return s;
}

std::string join_path(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

std::string parent_path(const std::string& path) {
    const size_t pos = path.find_last_of("\\/");
    if (pos == std::string::npos) return {};
    if (pos == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);  // "C:\"
    return path.substr(0, pos);
}

std::string module_path() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return from_wide(std::wstring_view(buf.data(), n));
        if (buf.size() > 32768) return {};
        buf.resize(buf.size() * 2);
    }
}
