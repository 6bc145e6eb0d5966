#pragma once
// The program's window classes, each registered once: this is the only place that registers
// them. Each module declares its class next to its window (see win/window.h).

// The seven tool-window classes, registered by every launch before its switches are looked at.
void register_window_classes();
// OrmickOxelMain, registered only by the instance that goes on running.
void register_main_window_class();
