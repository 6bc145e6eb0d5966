#pragma once
// "--scroll-test": a scrolling capture of a rectangle, written as a PNG.
#include "util/dev_args.h"

void run_scroll_test(const Args& args);
