#include "image/clipboard_win.h"

#include <windows.h>

#include <cstring>
#include <span>
#include <string>

#include "image/dib_bitmap_win.h"
#include "image/dropfiles.h"
#include "image/pixels.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/shell.h"

bool open_clipboard_retry() {
    HWND owner = MAIN_HWND.get();
    for (int i = 0; i < 20; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

bool put_on_clipboard(UINT format, GlobalMemory& memory) {
    if (!memory || !open_clipboard_retry()) return false;
    EmptyClipboard();
    const bool placed = SetClipboardData(format, memory.get()) != nullptr;
    if (placed) memory.release();
    CloseClipboard();
    return placed;
}

bool put_file_on_clipboard(std::string_view path) {
    const std::optional<std::vector<uint8_t>> block = build_dropfiles(utf8_to_utf16(path));
    if (!block) return false;
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block->size()));
    if (!memory) return false;
    {
        GlobalLockGuard lock(memory.get());
        if (!lock) return false;
        std::memcpy(lock.get(), block->data(), block->size());
    }
    return put_on_clipboard(CF_HDROP, memory);
}

namespace {

// Too large a block, or none to be had: trying again will not help, unlike a busy clipboard.
Error no_memory() { return make_error(system_message(ERROR_NOT_ENOUGH_MEMORY), ERROR_NOT_ENOUGH_MEMORY); }

Status place(UINT format, GlobalMemory& memory) {
    if (!put_on_clipboard(format, memory)) return make_error(ui_text(CLIPBOARD_BUSY));
    return {};
}

bool notify_copy_failed(const Status& copied) {
    if (!copied) tray_balloon(ui_text(COPY_FAILED), copied.error().message);
    return copied.ok();
}

}  // namespace

Status copy_image_to_clipboard(const DibBitmap& bitmap) {
    if (!bitmap.bits) return no_memory();
    const std::optional<size_t> size = cf_dib_size(bitmap.width, bitmap.height);
    if (!size) return no_memory();
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, *size));
    if (!memory) return no_memory();
    {
        GlobalLockGuard lock(memory.get());
        if (!lock) return no_memory();
        GdiFlush();
        write_cf_dib(bitmap.pixels(), bitmap.width, bitmap.height,
                     std::span<uint8_t>(static_cast<uint8_t*>(lock.get()), *size));
    }
    return place(CF_DIB, memory);
}

Status copy_text_to_clipboard(std::string_view text) {
    const std::wstring wide = to_wide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return no_memory();
    {
        GlobalLockGuard lock(memory.get());
        if (!lock) return no_memory();
        std::memcpy(lock.get(), wide.c_str(), bytes);
    }
    return place(CF_UNICODETEXT, memory);
}

bool copy_image_or_notify(const DibBitmap& bitmap) { return notify_copy_failed(copy_image_to_clipboard(bitmap)); }

bool copy_text_or_notify(std::string_view text) { return notify_copy_failed(copy_text_to_clipboard(text)); }
