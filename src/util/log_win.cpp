#include <windows.h>

#include "util/env_win.h"
#include "util/log.h"
#include "util/text.h"

void debug_log(std::string_view message) {
    if (!env_is_set("ORMICK_OXEL_LOG")) return;
    const std::wstring path = to_wide(join_path(temp_dir(), "ormick-oxel.log"));
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string line = format_log_line(GetTickCount64(), message);
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}
