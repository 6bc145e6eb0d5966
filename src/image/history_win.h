#pragma once
#include <string>
#include <vector>

class DibBitmap;

// %LOCALAPPDATA%\Ormick Oxel\History (the temp folder in place of LOCALAPPDATA when unset).
std::string history_dir();
// The PNG files of the history folder, oldest first; empty when the folder is missing.
std::vector<std::string> history_list();
// Writes the composed capture to the history folder on a worker and prunes old files.
void history_save(const DibBitmap& bitmap);
