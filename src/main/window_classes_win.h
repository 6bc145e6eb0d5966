#pragma once
#include <windows.h>

// The seven tool-window classes, registered by every launch before its switches are looked at.
void register_window_classes();
// OrmickOxelMain, registered only by the instance that goes on running.
void register_main_window_class();
