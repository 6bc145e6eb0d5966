// --redact-file FILE [--out PATH] [--lang TAG]: recognise an image file, scan it for personal
// data and write what was found (or "ERROR ..." with the reason).
#include "dev/dev_jobs_win.h"

#include "dev/ocr_file_win.h"
#include "redact/redact_report.h"

namespace {

std::string redact_file_text(const Args&, RecognisedFile& file) {
    RedactReportInput in;
    in.image = pixels_of(file.prepared.image);
    in.lines = std::move(file.lines);
    in.scale = static_cast<float>(file.prepared.scale);
    in.source_width = static_cast<float>(file.source_width);
    in.source_height = static_cast<float>(file.source_height);
    return redact_file_report(in);
}

}  // namespace

void run_redact_file(const Args& args) {
    run_recognised_file_report(args, "--redact-file", "ormick-oxel-redact.txt", redact_file_text);
}
