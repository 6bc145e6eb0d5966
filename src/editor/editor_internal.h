#pragma once
// Shared by the editor's own files.
#include <vector>

#include "annot/annotation.h"

struct Editor;

// Pushes a saved list as one undo step (the redo stack empties).
void push_undo_entry(Editor& e, std::vector<Annotation> list);
// A move, resize or erase stroke changed something for the first time: its press's list
// becomes the undo step.
void take_drag_snapshot(Editor& e);
// A move or resize came back to where it began: its undo step goes, and the redo steps, the
// oldest undo step and the change flag its first change took are as before the press.
void restore_drag_history(Editor& e);
