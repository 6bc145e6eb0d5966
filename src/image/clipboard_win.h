#pragma once
#include <string_view>

class DibBitmap;

// OpenClipboard with the main window as owner: up to 20 tries, 10 ms apart.
bool open_clipboard_retry();
// CF_DIB / CF_UNICODETEXT; every failure is silent and leaves the clipboard as it was.
void copy_image_to_clipboard(const DibBitmap& bitmap);
void copy_text_to_clipboard(std::string_view text);
