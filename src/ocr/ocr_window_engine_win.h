#pragma once
// What the OCR result window asks of the OCR engine: the installed recogniser languages, read
// on a thread of their own that the UI thread waits for, and a re-run on a detached thread.
#include <vector>

#include "ocr/ocr_types.h"
#include "ocr/ocr_window_win.h"

std::vector<OcrLanguage> ocr_window_languages();
void ocr_window_start_rerun(OcrRerunRequest request);
