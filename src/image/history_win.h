#pragma once
// The capture history folder: every finished capture as a PNG, only the newest kept.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "util/result.h"

class DibBitmap;

// %LOCALAPPDATA%\Ormick Oxel\History (the temp folder in place of LOCALAPPDATA when unset).
std::string history_dir();
// The PNG files (not folders) of the history folder, oldest first; empty when the folder is missing.
std::vector<std::string> history_list();
// Writes the composed capture to the history folder on a worker and prunes old files beyond
// `keep` (the caller's `history` setting); the outcome goes to the main window as
// WM_APP_HISTORY_DONE with a HistoryOutcome. Does nothing when `keep` is 0. UI thread.
void history_save(const DibBitmap& bitmap, uint64_t keep);
// WM_APP_HISTORY_DONE on the main window (lParam the record a writer posted; anything else is
// ignored): said once when captures stop reaching the history, and again only after one has
// reached it.
void on_history_done(LPARAM record);
// Waits until every history write started so far has ended, at most `limit`; false when some
// still run. For the exit, so that a capture being written is not cut off with the process.
bool history_wait_for_writers(std::chrono::milliseconds limit);

// What a history write hands back to the main window: whether the capture reached the folder,
// and why not.
struct HistoryOutcome {
    bool written = false;
    std::string error;
};

// What the worker gets: its own copy of the pixels and of the name parts.
struct HistorySaveJob {
    std::string stem;                     // "Ormick_YYYYMMDD_HHMMSS" in local time
    std::unique_ptr<uint32_t[]> pixels;   // width * height DIB values, top-down
    uint64_t keep = 0;                    // files to keep after this one is written
    uint32_t millis = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    HWND report_to = nullptr;             // gets the HistoryOutcome; none in tests
};

// The worker's body: creates the folder, writes NAME.png through a temporary file of its own
// (never named *.png, so listing and pruning do not see it), then deletes the oldest files
// beyond `keep`. Gives whether the capture was written (a failed pruning is no failure), its
// error naming the folder. Runs on any thread; two workers may write the same name at once, and
// the one that finishes last is kept.
Status history_save_worker(HistorySaveJob job);
