// Pinning whatever the clipboard holds: a bitmap, a copied image file, a colour code or text.
// Another program's clipboard data is untrusted: text and the copied-file list are read within
// their blocks, and the clipboard is closed on every path.
#include <windows.h>
#include <shellapi.h>
#include <shellscalingapi.h>

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
#include "win/handles.h"
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

// CF_BITMAP, or CF_DIB through the bitmap the system makes of it. Held to the pixel limit of an
// image file before the 32-bpp copy is made: a small 1-bpp bitmap would grow 32-fold.
std::optional<DibBitmap> clipboard_bitmap() {
    const ClipboardOpen clipboard;
    if (!clipboard) return std::nullopt;
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap) return std::nullopt;
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) != sizeof info) return std::nullopt;
    const int64_t width = info.bmWidth, lines = std::abs(int64_t{info.bmHeight});
    if (width > 0 && lines > 0 && !loadable_image_size(static_cast<uint64_t>(width), static_cast<uint64_t>(lines))) {
        debug_log("pin clipboard: the bitmap of " + std::to_string(info.bmWidth) + "x" +
                  std::to_string(info.bmHeight) + " is too large");
        return std::nullopt;
    }
    return bitmap_from_hbitmap(bitmap);
}

// The first copied file's path; empty when there is none.
std::wstring clipboard_first_file() {
    const ClipboardOpen clipboard;
    if (!clipboard) return {};
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
std::optional<std::string> clipboard_text() {
    const ClipboardOpen clipboard;
    if (!clipboard) return std::nullopt;
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

// The effective DPI of the cursor's monitor / 96.
float cursor_monitor_scale() {
    POINT cursor{};
    GetCursorPos(&cursor);
    UINT dpi_x = 96, dpi_y = 96;
    if (FAILED(GetDpiForMonitor(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &dpi_x,
                                &dpi_y)) ||
        dpi_x == 0)
        dpi_x = 96;
    return static_cast<float>(dpi_x) / 96.0f;
}

std::string size_text(const DibBitmap& image) {
    return std::to_string(image.width) + "x" + std::to_string(image.height);
}

}  // namespace

std::optional<DibBitmap> clipboard_image(float f) {
    std::optional<DibBitmap> image;
    if (IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB)) {
        image = clipboard_bitmap();
        debug_log(image ? "pin clipboard: bitmap " + size_text(*image) : "pin clipboard: the bitmap is unreadable");
    } else if (IsClipboardFormatAvailable(CF_HDROP)) {
        if (const std::wstring path = clipboard_first_file(); !path.empty()) {
            image = load_image_file(from_wide(path));
            debug_log(image ? "pin clipboard: file " + size_text(*image) : "pin clipboard: the file is not an image");
        }
    }
    if (!image && IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        if (const std::optional<std::string> text = clipboard_text()) image = image_of_text(*text, f);
    }
    return image;
}

void pin_clipboard() {
    std::optional<DibBitmap> image = clipboard_image(cursor_monitor_scale());
    if (!image) return tray_balloon("Ormick Oxel", ui_text(NO_IMAGE_ON_CLIPBOARD));
    pin_image_at_cursor(std::move(*image));
}
