#include "image/history_win.h"

#include <windows.h>

#include <cstring>
#include <new>
#include <utility>

#include "image/dib_bitmap_win.h"
#include "image/file_names.h"
#include "image/png_writer.h"
#include "strings/ui_strings.h"
#include "util/fatal.h"
#include "util/log.h"
#include "util/pending_work.h"
#include "util/text.h"
#include "util/ui_cell.h"
#include "win/env.h"
#include "win/error.h"
#include "win/file_io.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"
#include "win/shell.h"

namespace {

// Set while history writes fail, after the one notice about it; a write that succeeds clears it.
UiCell<bool> HISTORY_WRITE_FAILING{false};

// Never destroyed: a writer may still be running when the process ends.
PendingWork& writers() {
    static PendingWork* const pending = new PendingWork;
    return *pending;
}

void report(HWND window, const Status& outcome) {
    auto record = std::make_unique<HistoryOutcome>();
    record->written = outcome.ok();
    if (!outcome) record->error = outcome.error().message;
    post_result(window, WM_APP_HISTORY_DONE, 0, std::move(record));
}

DWORD WINAPI history_thread(void* param) {
    std::unique_ptr<HistorySaveJob> job(static_cast<HistorySaveJob*>(param));
    const HWND window = job->report_to;
    const Status outcome = history_save_worker(std::move(*job));
    job.reset();
    if (!outcome) debug_log("history not written: " + outcome.error().message);
    report(window, outcome);
    writers().end();
    return 0;
}

}  // namespace

std::string history_dir() {
    const std::optional<std::string> local = env_var("LOCALAPPDATA");
    // An empty value would make the folder relative to the current one.
    const std::string base = local && !local->empty() ? *local : temp_dir();
    return join_path(join_path(base, "Ormick Oxel"), "History");
}

std::vector<std::string> history_list() {
    const std::string dir = history_dir();
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(to_wide(join_path(dir, "*")).c_str(), &found));
    if (!find) return {};
    std::vector<std::string> paths;
    do {
        const std::wstring_view name(found.cFileName);
        // A folder named like a capture is no capture: it would be pinned or pruned in vain.
        if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        const std::string utf8 = from_wide(name);
        // A name with an unpaired surrogate would come back as another name: skip it.
        if (to_wide(utf8) != name) continue;
        if (is_png_name(utf8)) paths.push_back(join_path(dir, utf8));
    } while (FindNextFileW(find.get(), &found));
    sort_ordinal(paths);
    return paths;
}

Status history_save_worker(HistorySaveJob job) {
    if (!job.pixels || job.width == 0 || job.height == 0) return make_error("no image");
    const std::string dir = history_dir();
    if (Status made = create_folders(dir); !made) return made;
    const std::string path = join_path(dir, history_file_name(job.stem, job.millis));
    const size_t count = static_cast<size_t>(job.width) * job.height;
    // Through a temporary file of a fresh name: two captures in one millisecond write the same
    // name, and a shared temporary name would let one writer's failure delete the other's file.
    const Status written = write_file_replacing(path, [&job, count](ByteSink& sink) {
        return encode_png(job.pixels.get(), count, job.width, job.height, sink);
    });
    // A capture of the same name (the same millisecond) that won the race for the name has
    // landed: the folder takes captures. Otherwise the folder is named, since the system's
    // message does not say where (a full or read-only disk).
    if (!written && (!path_exists(path) || is_folder(path))) return make_error(dir + ": " + written.error().message);
    job.pixels.reset();
    for (const std::string& old : files_to_prune(history_list(), job.keep)) {
        DeleteFileW(to_wide(old).c_str());  // another worker may have deleted it already
    }
    return {};
}

bool history_wait_for_writers(std::chrono::milliseconds limit) { return writers().wait_idle(limit); }

void history_save(const DibBitmap& bitmap, uint64_t keep) {
    if (keep == 0 || !bitmap.bits || bitmap.width < 1 || bitmap.height < 1) return;
    GdiFlush();

    // A capture too large to copy is not kept, and the main window is told as of a failed write.
    std::unique_ptr<HistorySaveJob> job(new (std::nothrow) HistorySaveJob);
    const size_t count = bitmap.pixel_count();
    if (job) job->pixels.reset(new (std::nothrow) uint32_t[count]);
    if (!job || !job->pixels) {
        report(MAIN_HWND.get(), error_from_win32(ERROR_NOT_ENOUGH_MEMORY, history_dir()));
        return;
    }
    std::memcpy(job->pixels.get(), bitmap.bits, count * sizeof(uint32_t));
    job->keep = keep;
    job->width = static_cast<uint32_t>(bitmap.width);
    job->height = static_cast<uint32_t>(bitmap.height);
    job->report_to = MAIN_HWND.get();

    // One clock reading for date, time and milliseconds, so names sort in capture order.
    FILETIME utc;
    GetSystemTimePreciseAsFileTime(&utc);
    FILETIME local;
    SYSTEMTIME t;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) GetLocalTime(&t);
    job->stem = name_stem({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
    job->millis = millis_from_filetime(uint64_t{utc.dwHighDateTime} << 32 | utc.dwLowDateTime);

    writers().begin();
    const HANDLE thread = CreateThread(nullptr, 0, history_thread, job.get(), 0, nullptr);
    if (!thread) fatal_invariant("history worker thread could not start");
    job.release();
    CloseHandle(thread);
}

void on_history_done(LPARAM record) {
    const std::unique_ptr<HistoryOutcome> outcome = take_result<HistoryOutcome>(record);
    if (!outcome) return;
    if (outcome->written) {
        if (HISTORY_WRITE_FAILING.get()) debug_log("history written again");
        HISTORY_WRITE_FAILING.set(false);
        return;
    }
    if (HISTORY_WRITE_FAILING.get()) return;
    HISTORY_WRITE_FAILING.set(true);
    tray_balloon(ui_text(HISTORY_NOT_KEPT), std::string(ui_text(HISTORY_NOT_KEPT_TEXT)) + "\n" + outcome->error);
}
