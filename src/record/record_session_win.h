#pragma once
// The UI thread's side of a recording, below start_recording: the developer job and the tests
// start one with explicit settings and wait for its encoder.
#include <optional>

#include "frame/frame_types.h"
#include "record/record_encoder.h"
#include "util/geometry.h"

// Starts a recording of `rect`: the encoder thread, the recorder slot, the frame and its timer.
// None when nothing starts (too small, a frame shown, a recording running, no strip window).
std::optional<EncoderThread> setup_recording(const Rect& rect, bool gif, uint32_t fps, bool cursor);
// The recording frame's callback: Stop keeps the file, Cancel discards it, ticks grab a frame.
void on_recording_frame_event(FrameEvent event);
