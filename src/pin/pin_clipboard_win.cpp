// Pinning whatever the clipboard holds: a bitmap, a copied image file, a colour code or text.
// Another program's clipboard data is untrusted: text and the copied-file list are read within
// their blocks, and the clipboard is closed on every path.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <variant>

#include "image/bitmap_ops_win.h"
#include "image/clipboard_win.h"
#include "image/image_load_win.h"
#include "image/pixels.h"
#include "pin/clip_image_win.h"
#include "pin/clip_text.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/monitor.h"
#include "win/shell.h"

namespace {

// The clipboard, open for one scope.
class ClipboardOpen {
public:
    ClipboardOpen() : open_(open_clipboard_retry()) {}
    ~ClipboardOpen() { if (open_) CloseClipboard(); }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// Why no image came of what the clipboard holds, for the notice when nothing else serves.
using Why = std::optional<Error>;

Error busy() { return make_error(ui_text(CLIPBOARD_BUSY)); }

// CF_BITMAP, or CF_DIB through the bitmap the system makes of it. Held to the pixel limit of an
// image file before the 32-bpp copy is made: a small 1-bpp bitmap would grow 32-fold.
std::optional<DibBitmap> clipboard_bitmap(Why& why) {
    const ClipboardOpen clipboard;
    if (!clipboard) {
        why = busy();
        return std::nullopt;
    }
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap) return std::nullopt;
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) != sizeof info) return std::nullopt;
    const int64_t width = info.bmWidth, lines = std::abs(int64_t{info.bmHeight});
    if (width > 0 && lines > 0 && !loadable_image_size(static_cast<uint64_t>(width), static_cast<uint64_t>(lines))) {
        debug_log("pin clipboard: the bitmap of " + std::to_string(info.bmWidth) + "x" +
                  std::to_string(info.bmHeight) + " is too large");
        why = make_error(system_message(ERROR_NOT_ENOUGH_MEMORY), ERROR_NOT_ENOUGH_MEMORY);
        return std::nullopt;
    }
    return bitmap_from_hbitmap(bitmap);
}

// The first copied file's path; empty when there is none.
std::wstring clipboard_first_file(Why& why) {
    const ClipboardOpen clipboard;
    if (!clipboard) {
        why = busy();
        return {};
    }
    const HANDLE block = GetClipboardData(CF_HDROP);
    if (!block) return {};
    {
        const size_t bytes = GlobalSize(block);
        const GlobalLockGuard lock(block);
        if (!lock || !dropped_files_within(static_cast<const uint8_t*>(lock.get()), bytes)) {
            debug_log("pin clipboard: the copied-file list is malformed");
            return {};
        }
    }
    const auto drop = static_cast<HDROP>(block);
    // Sized by the path itself: a cut path could name another file.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length == 0) return {};
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    return path;
}

// CF_UNICODETEXT as UTF-8; none when there is no text or it cannot be locked.
std::optional<std::string> clipboard_text(Why& why) {
    const ClipboardOpen clipboard;
    if (!clipboard) {
        why = busy();
        return std::nullopt;
    }
    const HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return std::nullopt;
    const size_t bytes = GlobalSize(block);
    const GlobalLockGuard lock(block);
    if (!lock) return std::nullopt;
    const auto* units = static_cast<const char16_t*>(lock.get());
    return utf16_to_utf8(std::u16string_view(units, clipboard_text_length(units, bytes)));
}

std::optional<DibBitmap> image_of_text(const std::string& text, float f) {
    const ClipTextImage image = clip_text_image(text);
    if (const Rgb* color = std::get_if<Rgb>(&image)) {
        debug_log("pin clipboard: colour " + hex_line(*color));
        return swatch_image(*color, f);
    }
    if (const std::string* shown = std::get_if<std::string>(&image)) {
        debug_log("pin clipboard: text of " + std::to_string(shown->size()) + " bytes");
        return text_image(*shown, f);
    }
    return std::nullopt;
}

std::string size_text(const DibBitmap& image) {
    return std::to_string(image.width) + "x" + std::to_string(image.height);
}

}  // namespace

Result<DibBitmap> clipboard_image(float f) {
    std::optional<DibBitmap> image;
    Why why;
    if (IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB)) {
        image = clipboard_bitmap(why);
        debug_log(image ? "pin clipboard: bitmap " + size_text(*image) : "pin clipboard: the bitmap is unreadable");
    } else if (IsClipboardFormatAvailable(CF_HDROP)) {
        if (const std::wstring path = clipboard_first_file(why); !path.empty()) {
            image = load_image_file(from_wide(path));
            debug_log(image ? "pin clipboard: file " + size_text(*image) : "pin clipboard: the file is not an image");
        }
    }
    if (!image && IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        if (const std::optional<std::string> text = clipboard_text(why)) image = image_of_text(*text, f);
    }
    if (image) return std::move(*image);
    return why ? std::move(*why) : make_error(ui_text(NO_IMAGE_ON_CLIPBOARD));
}

void pin_clipboard() {
    POINT cursor{};
    GetCursorPos(&cursor);
    Result<DibBitmap> image = clipboard_image(static_cast<float>(monitor_place_at(cursor).dpi) / 96.0f);
    if (!image) return tray_balloon(PROGRAM_NAME, image.error().message);
    pin_image_at_cursor(std::move(image).value());
}
