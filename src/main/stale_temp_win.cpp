#include "main/stale_temp_win.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "image/history_win.h"
#include "settings/settings_win.h"
#include "util/fatal.h"
#include "util/log.h"
#include "win/file_io.h"

namespace {

struct CleanupJob {
    std::vector<std::string> folders;
    std::optional<std::string> save_dir;  // the setting; the folder is looked at on the worker
    uint64_t started = 0;  // this process's creation time, FILETIME units
};

DWORD WINAPI cleanup_thread(void* param) {
    const std::unique_ptr<CleanupJob> job(static_cast<CleanupJob*>(param));
    // Saving uses the default folder when the chosen one is not there.
    job->folders.push_back(job->save_dir && is_folder(*job->save_dir) ? *job->save_dir : default_save_dir());
    for (const std::string& folder : job->folders) {
        if (const size_t removed = remove_stale_temp_files(folder, job->started))
            debug_log("stale temporary files removed: " + std::to_string(removed) + " in " + folder);
    }
    return 0;
}

}  // namespace

void start_stale_temp_cleanup() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return;
    auto job = std::make_unique<CleanupJob>();
    job->started = uint64_t{created.dwHighDateTime} << 32 | created.dwLowDateTime;
    // A folder on a slow or lost network drive must not hold up the start.
    job->folders = {settings_folder(), history_dir()};
    job->save_dir = current_settings().save_dir;
    const HANDLE thread = CreateThread(nullptr, 0, cleanup_thread, job.get(), 0, nullptr);
    if (!thread) fatal_invariant("temporary-file cleanup thread could not start");
    job.release();
    CloseHandle(thread);
}
