#pragma once
// Screen recording, as far as the main window needs it.
#include <string>

// The payload of WM_APP_RECORD_DONE.
struct RecordingResult {
    bool ok = false;
    std::string text;  // the output path when ok, else the error text
};

// Whether the recorder slot holds a recording.
bool recorder_is_recording();
// Ends the recording; `discard` deletes the file. Does not wait for the encoder.
void stop_recording(bool discard);
// Takes the encoder thread out of its cell and waits for it to end; nothing without one.
void join_record_thread();
