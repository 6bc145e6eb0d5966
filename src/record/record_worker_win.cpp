#include "record/record_worker_win.h"

#include "image/clipboard_win.h"
#include "record/gif_writer.h"
#include "record/mf_library_win.h"
#include "record/mp4_sink_win.h"
#include "record/record_params.h"
#include "record/record_win.h"
#include "record/wic_quantizer_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"
#include "win/file_io.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"
#include "win/shell.h"

namespace {

Status write_gif(RecordingJob& job) {
    Result<WicQuantizer> quantizer = WicQuantizer::create();
    if (!quantizer) return quantizer.error();
    Result<FileWriter> file = FileWriter::create(job.path);
    if (!file) return file.error();
    std::unique_ptr<ByteSink> wrapped = job.wrap_output ? job.wrap_output(file.value()) : nullptr;
    GifEncoder encoder(wrapped ? *wrapped : file.value(), quantizer.value(), job.width, job.height);
    const Status encoded = encode_gif(job.frames, encoder);
    const Status closed = file.value().close();
    return encoded ? closed : encoded;
}

Status write_mp4(RecordingJob& job) {
    const Result<MfLibrary> mf = MfLibrary::load();
    if (!mf) return mf.error();
    Mp4Sink sink(job.path, mf.value().calls());
    return encode_video(job.frames, sink, job.width, job.height, job.fps);
}

}  // namespace

Result<std::string> record_encoder_worker(RecordingJob job) {
    Status encoded;
    {
        // The sink writer and WIC both want COM on their thread.
        const ComApartment com(COINIT_MULTITHREADED);
        if (!com.ok()) {
            encoded = error_naming_hresult(com.result(), "CoInitializeEx");
        } else {
            try {
                encoded = job.gif ? write_gif(job) : write_mp4(job);
            } catch (const std::exception&) {
                encoded = make_error(std::string(RECORD_THREAD_FAILED));
            }
        }
    }
    // The UI thread's next offer finds the channel closed and takes the frame down.
    job.frames.close();
    if (!encoded) debug_log("record failed: " + encoded.error().message);

    const HWND main_window = job.main_window;
    EncoderHooks hooks;
    hooks.delete_file = [](const std::string& path) {
        if (!DeleteFileW(to_wide(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            debug_log("record: the file could not be deleted: " + last_error().message);
        }
    };
    hooks.post = [main_window](const Result<std::string>& outcome) {
        auto record = std::make_unique<RecordingResult>();
        record->ok = outcome.ok();
        record->text = outcome.ok() ? outcome.value() : outcome.error().message;
        post_result(main_window, WM_APP_RECORD_DONE, 0, std::move(record));
    };
    return conclude_recording(encoded, job.path, *job.shared, hooks);
}

void on_record_done(LPARAM record) {
    const std::unique_ptr<RecordingResult> recording = take_result<RecordingResult>(record);
    if (!recording) return;
    if (!recording->ok) {
        // Stopped before its first frame, the one failure of ordinary use, in the UI language.
        const bool no_frame = recording->text == NO_FRAME_RECORDED;
        tray_balloon(ui_text(RECORD_FAILED), no_frame ? std::string_view(ui_text(RECORD_NO_FRAME)) : recording->text);
        return;
    }
    const bool on_clipboard = put_file_on_clipboard(recording->text);
    tray_balloon(ui_text(RECORD_SAVED), record_saved_body(recording->text, on_clipboard));
}
