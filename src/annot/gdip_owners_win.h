#pragma once
// The GDI+ owners are all in gdip/gdip_win.h; this name stays for the files that still include it.
#include "gdip/gdip_win.h"
