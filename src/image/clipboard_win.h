#pragma once
#include <windows.h>

#include <string_view>

#include "util/result.h"
#include "win/handles.h"

class DibBitmap;

// OpenClipboard with the main window as owner: up to 20 tries, 10 ms apart.
bool open_clipboard_retry();
// Empties the clipboard and gives it the block in `format`; true when the clipboard took it (the
// block is then the clipboard's). On failure the block stays with the caller.
bool put_on_clipboard(UINT format, GlobalMemory& memory);
// The file at `path` as a file list (CF_HDROP), ready to paste in the file manager or a chat.
// True only when the clipboard holds it now.
bool put_file_on_clipboard(std::string_view path);
// CF_DIB / CF_UNICODETEXT. Done when the clipboard holds the data now; a failure shows nothing
// and leaves the clipboard as it was, so a caller must not claim a copy that did not happen. Its
// message is the user's reason: the clipboard is busy, or memory is short (too large a block).
Status copy_image_to_clipboard(const DibBitmap& bitmap);
Status copy_text_to_clipboard(std::string_view text);
// What a user's copy command calls: the image or text on the clipboard, or else the "Copy failed"
// notice with the reason, so a copy that did not happen is never silent. True when copied.
bool copy_image_or_notify(const DibBitmap& bitmap);
bool copy_text_or_notify(std::string_view text);
