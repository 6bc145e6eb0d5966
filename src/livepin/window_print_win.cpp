#include "livepin/window_print_win.h"

#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "image/bitmap_ops_win.h"
#include "util/fatal.h"
#include "win/error.h"
#include "win/handles.h"

namespace {

Result<DibBitmap> print_part(HWND source, int32_t width, int32_t height, const Rect& part) {
    std::optional<DibBitmap> full = DibBitmap::create(width, height);
    if (!full) return error_from_win32(ERROR_NOT_ENOUGH_MEMORY);
    if (!PrintWindow(source, full->hdc(), PW_RENDERFULLCONTENT)) return last_error("PrintWindow");
    GdiFlush();
    std::optional<DibBitmap> cropped = crop_bitmap(*full, part);
    if (!cropped) return error_from_win32(ERROR_NOT_ENOUGH_MEMORY);
    return std::move(*cropped);
}

// Shared by the waiting thread and the worker; whichever lets go last frees it.
struct PrintJob {
    Handle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::optional<Result<DibBitmap>> result;  // written before `done` is set
};

}  // namespace

Result<DibBitmap> print_window_part(HWND source, int32_t width, int32_t height, const Rect& part, DWORD limit_ms) {
    if (GetWindowThreadProcessId(source, nullptr) == GetCurrentThreadId())
        return print_part(source, width, height, part);
    auto job = std::make_shared<PrintJob>();
    if (!job->done) return last_error("CreateEventW");
    try {
        std::thread([job, source, width, height, part] {
            job->result.emplace(print_part(source, width, height, part));
            SetEvent(job->done.get());
        }).detach();
    } catch (const std::system_error&) {
        fatal_invariant("cannot start a window print thread");
    }
    if (WaitForSingleObject(job->done.get(), limit_ms) != WAIT_OBJECT_0) return make_error(PRINT_NOT_ANSWERING);
    return std::move(*job->result);
}
