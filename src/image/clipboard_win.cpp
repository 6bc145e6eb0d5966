#include "image/clipboard_win.h"

#include <windows.h>

#include <cstring>
#include <span>
#include <string>

#include "image/dib_bitmap_win.h"
#include "image/pixels.h"
#include "util/text.h"
#include "win/handles.h"
#include "win/main_window.h"

namespace {

// Gives the block to the clipboard; the caller keeps it (and frees it) on any failure.
void hand_to_clipboard(UINT format, GlobalMemory& memory) {
    if (!open_clipboard_retry()) return;
    EmptyClipboard();
    if (SetClipboardData(format, memory.get())) memory.release();
    CloseClipboard();
}

}  // namespace

bool open_clipboard_retry() {
    HWND owner = MAIN_HWND.get();
    for (int i = 0; i < 20; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

void copy_image_to_clipboard(const DibBitmap& bitmap) {
    if (!bitmap.bits) return;
    const std::optional<size_t> size = cf_dib_size(bitmap.width, bitmap.height);
    if (!size) return;
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, *size));
    if (!memory) return;
    {
        GlobalLockGuard lock(memory.get());
        if (!lock) return;
        GdiFlush();
        write_cf_dib(bitmap.pixels(), bitmap.width, bitmap.height,
                     std::span<uint8_t>(static_cast<uint8_t*>(lock.get()), *size));
    }
    hand_to_clipboard(CF_DIB, memory);
}

void copy_text_to_clipboard(std::string_view text) {
    const std::wstring wide = to_wide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return;
    {
        GlobalLockGuard lock(memory.get());
        if (!lock) return;
        std::memcpy(lock.get(), wide.c_str(), bytes);
    }
    hand_to_clipboard(CF_UNICODETEXT, memory);
}
