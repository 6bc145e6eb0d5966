#pragma once
// The encoder thread's body.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "record/frame_channel.h"
#include "record/record_encoder.h"

struct RecordingJob {
    FrameReceiver frames;
    std::string path;
    std::shared_ptr<RecordingShared> shared;
    HWND main_window = nullptr;  // none in developer jobs
    uint32_t width = 0, height = 0, fps = 0;
    bool gif = false;
    // Tests only: the GIF's bytes go through this sink, made over the opened file.
    std::function<std::unique_ptr<ByteSink>(ByteSink& file)> wrap_output;
};

// Writes the file until the channel closes, then deletes it when cancelled or posts the outcome
// to the main window. Returns the outcome ("cancelled" after a cancel).
Result<std::string> record_encoder_worker(RecordingJob job);
