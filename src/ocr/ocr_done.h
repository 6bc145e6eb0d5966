#pragma once
// What the main window makes of a finished OCR job, as far as it is text. Platform-free.
#include <string>

#include "ocr/ocr_types.h"

// "ocr done: Ok(N)" (N = code points of the assembled text) or "ocr done: Err(\"...\")".
std::string ocr_done_log_line(const OcrTextResult& result);
