#pragma once
// The steps "--ocr-file" shares with the other reports on a recognised file ("--redact-file").
#include <string>
#include <string_view>
#include <vector>

#include "ocr/ocr_prepare_win.h"
#include "ocr/ocr_types.h"
#include "util/dev_args.h"
#include "util/result.h"

// An image file as the engine recognised it.
struct RecognisedFile {
    int32_t source_width = 0, source_height = 0;
    PreparedOcrImage prepared;
    std::string language;  // --lang; empty: every installed recogniser
    std::vector<OcrLine> lines;
};

using RecognisedFileReport = std::string (*)(const Args& args, RecognisedFile& file);

// The job of `switch_name`: the file after it loaded, prepared and recognised, the report
// `report` makes of it (or one line "ERROR ..." with the reason), written to --out or to
// `default_name` in the temp folder.
void run_recognised_file_report(const Args& args, std::string_view switch_name, std::string_view default_name,
                                RecognisedFileReport report);
