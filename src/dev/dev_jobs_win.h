#pragma once
// The developer switches' jobs (main/commands.h finds the switch): each runs instead of the
// program, writes its report or image and returns. None is needed to use the program; each
// uses only the public functions of the modules it measures.
#include "util/dev_args.h"

// "--bench": capture timing runs, each session closing itself once shown.
void run_bench(const Args& args);
// "--preview": a sample of the annotation renderer and the toolbar as an image file.
void run_preview(const Args& args);
// "--ocr-file": text recognition of an image file, written as a report.
void run_ocr_file(const Args& args);
// "--redact-file": the personal-data scan of an image file, written as a report.
void run_redact_file(const Args& args);
// "--scroll-test": a scrolling capture of a rectangle, written as PNG.
void run_scroll_test(const Args& args);
// "--record-test": records a rectangle for a fixed time and writes the outcome as a report.
void run_record_test(const Args& args);
// "--uia-bench": UI Automation look-ups at and near the cursor, timed.
void run_uia_bench(const Args& args);
// "--compare-grab": one desktop-duplication grab against one GDI grab of the virtual screen.
void run_compare_grab(const Args& args);
