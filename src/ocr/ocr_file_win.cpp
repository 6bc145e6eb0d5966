// --ocr-file FILE [--out PATH] [--lang TAG] [--words]: recognise an image file and write a
// report (or "ERROR ..." with the reason).
#include "ocr/ocr_file_win.h"

#include "image/image_load_win.h"
#include "image/ocr_prepare_win.h"
#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_recognize.h"
#include "ocr/ocr_report.h"
#include "util/log.h"
#include "win/dev_report.h"
#include "win/env.h"

namespace {

std::string ocr_file_text(const Args& args, size_t at) {
    if (at + 1 >= args.size()) return "ERROR cannot load image\n";
    std::optional<DibBitmap> source = load_image_file(args[at + 1]);
    if (!source) return "ERROR cannot load image\n";
    std::optional<PreparedOcrImage> prepared = prepare_ocr_image(*source);
    if (!prepared) return "ERROR cannot prepare the image\n";
    const std::string language = option_value(args, "--lang").value_or("");
    OcrImage& image = prepared->image;
    OcrPlatform& platform = ocr_platform();
    OcrOutcome<std::vector<OcrLine>> lines = ocr_recognize(platform, image.pixels, image.width, image.height, language);
    if (!lines.ok()) return "ERROR " + ocr_error_message(lines.error(), platform) + "\n";
    OcrReportInput in;
    in.source_width = source->width;
    in.source_height = source->height;
    in.scale = prepared->scale;
    in.image = pixels_of(image);
    in.language = language;
    in.lines = std::move(lines.value());
    in.words = find_arg(args, "--words").has_value();
    in.pixels = env_is_set("ORMICK_OXEL_OCR_PIXELS");
    return ocr_file_report(in);
}

}  // namespace

void run_ocr_file(const Args& args) {
    const std::optional<size_t> at = find_arg(args, "--ocr-file");
    if (!at) return;
    const std::string report = ocr_file_text(args, *at);
    const std::string path = option_value(args, "--out").value_or(join_path(temp_dir(), "ormick-oxel-ocr.txt"));
    write_dev_report(path, report, "ocr-file");
    debug_log("ocr-file done: " + report.substr(0, report.find('\n')));
}
