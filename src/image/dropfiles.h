#pragma once
// A file on the clipboard as a file list (CF_HDROP), as the shell pastes it. Platform-free.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A CF_HDROP block for one file: DROPFILES (pFiles 20, pt 0,0, fNC 0, fWide 1), the path in
// UTF-16 and two terminating zero units. None when the path is empty or holds a NUL.
std::optional<std::vector<uint8_t>> build_dropfiles(std::u16string_view path);
