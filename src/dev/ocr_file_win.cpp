// --ocr-file FILE [--out PATH] [--lang TAG] [--words]: recognise an image file and write a
// report (or "ERROR ..." with the reason).
#include "dev/dev_jobs_win.h"
#include "dev/ocr_file_win.h"

#include "image/image_load_win.h"
#include "ocr/ocr_geometry.h"
#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_recognize.h"
#include "ocr/ocr_report.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "win/dev_report.h"
#include "win/env.h"

namespace {

Result<RecognisedFile> recognise_file(const Args& args, size_t at) {
    if (at + 1 >= args.size()) return make_error("ERROR cannot load image\n");
    std::optional<DibBitmap> source = load_image_file(args[at + 1]);
    if (!source) return make_error("ERROR cannot load image\n");
    if (ocr_canvas_for(source->width, source->height).too_large())
        return make_error(std::string("ERROR ") + ui_text(OCR_IMAGE_TOO_LARGE) + "\n");
    std::optional<PreparedOcrImage> prepared = prepare_ocr_image(*source);
    if (!prepared) return make_error("ERROR cannot prepare the image\n");
    RecognisedFile file;
    file.source_width = source->width;
    file.source_height = source->height;
    file.language = option_value(args, "--lang").value_or("");
    const OcrImage& image = prepared->image;
    OcrPlatform& platform = ocr_platform();
    OcrOutcome<std::vector<OcrLine>> lines =
        ocr_recognize(platform, image.pixels, image.width, image.height, file.language);
    if (!lines.ok()) return make_error("ERROR " + ocr_error_message(lines.error(), platform) + "\n");
    file.prepared = std::move(*prepared);
    file.lines = std::move(lines.value());
    return file;
}

std::string ocr_file_text(const Args& args, RecognisedFile& file) {
    OcrReportInput in;
    in.source_width = file.source_width;
    in.source_height = file.source_height;
    in.scale = file.prepared.scale;
    in.image = pixels_of(file.prepared.image);
    in.language = file.language;
    in.lines = std::move(file.lines);
    in.words = find_arg(args, "--words").has_value();
    in.pixels = env_is_set("ORMICK_OXEL_OCR_PIXELS");
    return ocr_file_report(in);
}

}  // namespace

void run_recognised_file_report(const Args& args, std::string_view switch_name, std::string_view default_name,
                                RecognisedFileReport report) {
    const std::optional<size_t> at = find_arg(args, switch_name);
    if (!at) return;
    Result<RecognisedFile> file = recognise_file(args, *at);
    const std::string text = file ? report(args, file.value()) : file.error().message;
    const std::string path = option_value(args, "--out").value_or(join_path(temp_dir(), std::string(default_name)));
    const std::string job(switch_name.substr(2));
    write_dev_report(path, text, job);
    debug_log(job + " done: " + text.substr(0, text.find('\n')));
}

void run_ocr_file(const Args& args) {
    run_recognised_file_report(args, "--ocr-file", "ormick-oxel-ocr.txt", ocr_file_text);
}
