// --redact-file FILE [--out PATH] [--lang TAG]: recognise an image file, scan it for personal
// data and write what was found (or "ERROR ..." with the reason).
#include "redact/redact_file_win.h"

#include "image/image_load_win.h"
#include "image/ocr_prepare_win.h"
#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_recognize.h"
#include "redact/redact_report.h"
#include "util/log.h"
#include "win/dev_report.h"
#include "win/env.h"

namespace {

std::string redact_file_text(const Args& args, size_t at) {
    if (at + 1 >= args.size()) return "ERROR cannot load image\n";
    std::optional<DibBitmap> source = load_image_file(args[at + 1]);
    if (!source) return "ERROR cannot load image\n";
    std::optional<PreparedOcrImage> prepared = prepare_ocr_image(*source);
    if (!prepared) return "ERROR cannot prepare the image\n";
    const std::string language = option_value(args, "--lang").value_or("");
    const OcrImage& image = prepared->image;
    OcrPlatform& platform = ocr_platform();
    OcrOutcome<std::vector<OcrLine>> lines = ocr_recognize(platform, image.pixels, image.width, image.height, language);
    if (!lines.ok()) return "ERROR " + ocr_error_message(lines.error(), platform) + "\n";
    RedactReportInput in;
    in.image = pixels_of(image);
    in.lines = std::move(lines.value());
    in.scale = static_cast<float>(prepared->scale);
    in.source_width = static_cast<float>(source->width);
    in.source_height = static_cast<float>(source->height);
    return redact_file_report(in);
}

}  // namespace

void run_redact_file(const Args& args) {
    const std::optional<size_t> at = find_arg(args, "--redact-file");
    if (!at) return;
    const std::string report = redact_file_text(args, *at);
    const std::string path = option_value(args, "--out").value_or(join_path(temp_dir(), "ormick-oxel-redact.txt"));
    write_dev_report(path, report, "redact-file");
    debug_log("redact-file done: " + report.substr(0, report.find('\n')));
}
