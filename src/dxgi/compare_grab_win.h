#pragma once
#include "util/dev_args.h"

// "--compare-grab": the virtual screen through desktop duplication and through GDI, compared.
void run_compare_grab(const Args& args);
