#pragma once
// The developer jobs that app_main runs in place of an instance.
#include "util/dev_args.h"

void run_preview(const Args& args);
void run_ocr_file(const Args& args);
void run_redact_file(const Args& args);
void run_scroll_test(const Args& args);
void run_record_test(const Args& args);
