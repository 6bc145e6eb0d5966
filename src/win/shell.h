#pragma once
// What the running program offers every module, declared here so that no module includes
// main/: the one notice and opening a path or address. UI thread only. main implements
// tray_balloon.
#include <string>
#include <string_view>

// The one way to show a short notice. UTF-8 in; cut to what the notification area holds.
void tray_balloon(std::string_view title, std::string_view body);
// Opens a file, folder, address or settings page with its program, or a file in Notepad. The
// shell shows its own message when it cannot; the log says so too.
void open_path(const std::string& path, bool with_notepad);
