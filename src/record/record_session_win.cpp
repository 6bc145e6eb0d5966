#include "record/record_session_win.h"

#include <windows.h>

#include <new>
#include <vector>

#include "dxgi/dxgi_win.h"
#include "frame/frame_win.h"
#include "image/image_file_win.h"
#include "record/record_params.h"
#include "record/record_win.h"
#include "record/record_worker_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/clock.h"
#include "util/log.h"
#include "util/ui_cell.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/main_window.h"
#include "win/messages.h"

namespace {

constexpr uint64_t BUTTON_CANCEL = 1;
constexpr uint64_t BUTTON_STOP = 2;

struct RecorderSlot {
    bool recording = false;
    FrameSender sender;
    double start_ms = 0;  // clock_ms() when the recording started
    std::shared_ptr<RecordingShared> shared;
    Rect rect;
    std::optional<uint64_t> last_second;
    bool cursor = false;
    uint64_t queued = 0, dropped = 0;  // frames offered to the encoder, and those a full channel refused
};

UiCell<RecorderSlot> RECORDER;
// The encoder of the newest recording that start_recording began.
UiCell<std::optional<EncoderThread>> RECORD_THREAD;
// Encoders that a newer recording replaced, or whose frame never showed: still joined at the
// end, so that no file is cut short and no joinable thread is dropped.
UiCell<std::vector<EncoderThread>> EARLIER_ENCODERS;

void keep_encoder(EncoderThread encoder) {
    auto earlier = EARLIER_ENCODERS.borrow();
    // Those that have given their outcome are ending: join them now rather than keep them.
    for (auto it = earlier->begin(); it != earlier->end();) {
        if (encoder_done(*it)) {
            (void)join_encoder(*it);
            it = earlier->erase(it);
        } else {
            ++it;
        }
    }
    earlier->push_back(std::move(encoder));
}

// The mouse pointer drawn where it is on the screen, by its hot spot.
void draw_cursor(const DibBitmap& frame, const Rect& rect) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor) return;
    ICONINFO icon{};
    if (!GetIconInfo(info.hCursor, &icon)) return;
    const Bitmap mask(icon.hbmMask), colour(icon.hbmColor);
    DrawIconEx(frame.hdc(), info.ptScreenPos.x - rect.l - static_cast<int>(icon.xHotspot),
               info.ptScreenPos.y - rect.t - static_cast<int>(icon.yHotspot), info.hCursor, 0, 0, 0, nullptr,
               DI_NORMAL);
    GdiFlush();
}

void on_tick() {
    Rect rect;
    bool cursor = false;
    {
        auto slot = RECORDER.borrow();
        if (!slot->recording) return;
        rect = slot->rect;
        cursor = slot->cursor;
    }
    std::optional<DibBitmap> frame = frame_to_dib(rect);
    if (!frame) return;
    if (cursor) draw_cursor(*frame, rect);
    GdiFlush();
    std::vector<uint32_t> pixels;
    try {
        pixels.assign(frame->pixels().begin(), frame->pixels().end());
    } catch (const std::bad_alloc&) {
        return;  // like a failed grab: this tick records nothing
    }
    frame.reset();

    OfferResult offered;
    std::optional<uint64_t> new_second;
    {
        auto slot = RECORDER.borrow();
        if (!slot->recording) return;
        const double time = (clock_ms() - slot->start_ms) / 1000.0;
        offered = slot->sender.offer(RecordFrame{std::move(pixels), time});
        if (offered == OfferResult::Queued) ++slot->queued;
        if (offered == OfferResult::Full) ++slot->dropped;
        const uint64_t second = whole_seconds(time);
        if (slot->last_second != second) {
            slot->last_second = second;
            new_second = second;
        }
    }
    if (offered == OfferResult::Closed) {
        // The encoder has ended (it failed): its outcome is on the way to the main window.
        stop_recording(false);
        return;
    }
    if (new_second) frame_set_status(record_status_text(ui_text(RECORD_RECORDING), *new_second), false);
}

}  // namespace

bool recorder_is_recording() { return RECORDER.borrow()->recording; }

std::optional<EncoderThread> setup_recording(const Rect& rect, bool gif, uint32_t fps, bool cursor) {
    if (frame_is_shown() || recorder_is_recording()) return std::nullopt;
    const std::optional<Rect> area = record_dims(rect);
    if (!area) return std::nullopt;
    fps = clamp_fps(fps, gif);

    const std::string path = auto_save_path(effective_save_dir(), gif ? "gif" : "mp4");
    (void)create_folders(parent_path(path));  // a failure shows when the encoder opens the file

    auto [sender, receiver] = make_frame_channel();
    auto shared = std::make_shared<RecordingShared>();
    RecordingJob job{std::move(receiver), path, shared, MAIN_HWND.get(), static_cast<uint32_t>(area->width()),
                     static_cast<uint32_t>(area->height()), fps, gif};
    EncoderThread encoder = start_encoder_thread(
        [job = std::move(job)]() mutable { return record_encoder_worker(std::move(job)); });
    debug_log("record start " + std::to_string(area->width()) + "x" + std::to_string(area->height()) + " " +
              (gif ? "gif" : "mp4") + " " + std::to_string(fps) + " fps");

    {
        auto slot = RECORDER.borrow();
        *slot = RecorderSlot{true, std::move(sender), clock_ms(), shared, *area, std::nullopt, cursor, 0, 0};
    }
    FrameSpec spec;
    spec.buttons = {{BUTTON_CANCEL, ui_text(TOOLBAR_CANCEL)}, {BUTTON_STOP, ui_text(RECORD_STOP_BUTTON)}};
    spec.on_event = on_recording_frame_event;
    spec.accent = FRAME_ACCENT_RECORD;
    if (!frame_show(*area, std::move(spec))) {
        stop_recording(true);
        keep_encoder(std::move(encoder));
        return std::nullopt;
    }
    frame_set_status(record_status_text(ui_text(RECORD_RECORDING), 0), false);
    SetTimer(frame_strip_hwnd(), FRAME_TICK_TIMER, timer_ms(fps), nullptr);
    return encoder;
}

void on_recording_frame_event(FrameEvent event) {
    switch (event.kind) {
        case FRAME_EVENT_BUTTON: stop_recording(event.id != BUTTON_STOP); break;
        case FRAME_EVENT_TICK: on_tick(); break;
        case FRAME_EVENT_CLOSE: stop_recording(true); break;  // as Cancel
        default: break;
    }
}

void start_recording(const Rect& rect) {
    const Settings settings = current_settings();
    std::optional<EncoderThread> encoder =
        setup_recording(rect, settings.record_format == RecordFormat::Gif, settings.record_fps, settings.record_cursor);
    if (!encoder) return;
    auto cell = RECORD_THREAD.borrow();
    if (*cell) keep_encoder(std::move(**cell));
    *cell = std::move(encoder);
}

void stop_recording(bool discard) {
    RecorderSlot old;
    {
        auto slot = RECORDER.borrow();
        old = std::move(*slot);
        *slot = RecorderSlot{};
    }
    frame_hide();
    if (!old.recording) return;
    debug_log(std::string(discard ? "record cancel" : "record stop") + ": " + std::to_string(old.queued) +
              " frames queued, " + std::to_string(old.dropped) + " dropped");
    // The flag first: the encoder reads it once it has seen the channel close.
    old.shared->discard = discard;
    old.sender.close();
    old.shared.reset();
}

void join_record_thread() {
    std::optional<EncoderThread> current = std::move(*RECORD_THREAD.borrow());
    *RECORD_THREAD.borrow() = std::nullopt;
    std::vector<EncoderThread> earlier = std::move(*EARLIER_ENCODERS.borrow());
    EARLIER_ENCODERS.borrow()->clear();
    if (current) (void)join_encoder(*current);
    for (EncoderThread& e : earlier) (void)join_encoder(e);
}
