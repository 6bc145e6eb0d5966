// debug_log (util/log.h) for the program: the locked append to the log file.
#include <windows.h>

#include "util/log.h"
#include "util/text.h"
#include "win/env.h"
#include "win/handles.h"

namespace {

// Appends of two processes at the same moment can both land at the old end of the file (seen
// under Wine), one line overwriting the other. Each write therefore holds an exclusive lock on
// a byte far beyond any real log size, which no write touches; closing the handle drops it.
constexpr DWORD LOCK_OFFSET_HIGH = 0x7FFFFFFF;
// A writer holds the lock for one WriteFile; one that keeps it longer (stopped in a debugger)
// costs the others this much per line, then they write without it.
constexpr ULONGLONG LOCK_WAIT_MS = 250;

bool lock_for_append(HANDLE file, OVERLAPPED& at) {
    const ULONGLONG deadline = GetTickCount64() + LOCK_WAIT_MS;
    for (;;) {
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return true;
        if (GetLastError() != ERROR_LOCK_VIOLATION || GetTickCount64() >= deadline) return false;
        Sleep(1);
    }
}

}  // namespace

void debug_log(std::string_view message) {
    if (!env_is_set("ORMICK_OXEL_LOG")) return;
    const std::wstring path = to_wide(join_path(temp_dir(), "ormick-oxel.log"));
    // Read access too: Windows grants byte-range locks only to handles that may read or write
    // data. Without write-data access every write still goes to the end of the file.
    const Handle file(CreateFileW(path.c_str(), FILE_READ_DATA | FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string line = format_log_line(GetTickCount64(), message);
    OVERLAPPED at{};
    at.OffsetHigh = LOCK_OFFSET_HIGH;
    // Without the lock the line is still written: the log never holds the program up.
    const bool locked = lock_for_append(file.get(), at);
    DWORD written = 0;
    WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    if (locked) UnlockFileEx(file.get(), 0, 1, 0, &at);
}
