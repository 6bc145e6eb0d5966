#pragma once
// Screen recording of a rectangle to MP4 or GIF: the region frame's timer grabs it, an encoder
// thread writes the file, and the main window gets the outcome (WM_APP_RECORD_DONE).
// UI thread only.
#include <windows.h>

#include <string>

#include "util/geometry.h"

// The payload of WM_APP_RECORD_DONE.
struct RecordingResult {
    bool ok = false;
    std::string text;  // the output path when ok, else the error text
};

// Whether the recorder slot holds a recording.
bool recorder_is_recording();
// The overlay's Record action: records `rect` (screen coordinates) with the format, frame rate
// and pointer setting of settings.ini. Nothing starts for a rectangle under 16 x 16, while a
// region frame is shown or while a recording runs.
void start_recording(const Rect& rect);
// Ends the recording; `discard` deletes the file. Does not wait for the encoder.
void stop_recording(bool discard);
// WM_APP_RECORD_DONE on the main window (lParam the record the encoder posted; anything else
// is ignored): a finished file goes on the clipboard, and a notice says how the recording ended.
void on_record_done(LPARAM record);
// Waits for every encoder this process started (the current one and any it replaced), so each
// file is finished before the program ends.
void join_record_thread();
