// Pinning whatever the clipboard holds: a bitmap, a copied image file, a colour code or text.
// Another program's clipboard data is untrusted: text, DIBs and the copied-file list are read
// within their blocks, sizes are checked before pixels are made, and the clipboard is closed on
// every path.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <variant>

#include "image/bitmap_ops_win.h"
#include "image/clipboard_win.h"
#include "image/dib_block.h"
#include "image/dib_block_win.h"
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
#include "win/wait_cursor.h"

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

// Images this large take the UI thread more than a second to decode and draw: the wait cursor
// says so meanwhile.
constexpr uint64_t SLOW_IMAGE_PIXELS = uint64_t{1} << 23;

bool slow_image(uint64_t width, uint64_t height) { return width * height > SLOW_IMAGE_PIXELS; }

Error too_large(uint64_t width, uint64_t height) {
    return make_error(replace_all(ui_text(PIN_IMAGE_TOO_LARGE), "{name}",
                                  std::to_string(width) + " x " + std::to_string(height)));
}

// The image format the owner put there: the first of CF_DIB, CF_DIBV5 and CF_BITMAP in the
// list, which names the owner's formats before those the system would make of them. Asking for
// a made one runs the system's conversion of another program's data unchecked. 0 when none.
UINT owner_image_format() {
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (format == CF_DIB || format == CF_DIBV5 || format == CF_BITMAP) return format;
    }
    return 0;
}

// A GDI bitmap, held to the pixel limit before its 32-bpp copy is made: a small 1-bpp bitmap
// would grow 32-fold.
std::optional<DibBitmap> image_of_bitmap(Why& why, WaitCursor& wait) {
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap) return std::nullopt;
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) != sizeof info) return std::nullopt;
    const int64_t width = info.bmWidth, lines = std::abs(int64_t{info.bmHeight});
    if (width < 1 || lines < 1) {
        debug_log("pin clipboard: the bitmap is empty");
        return std::nullopt;
    }
    if (!loadable_image_size(static_cast<uint64_t>(width), static_cast<uint64_t>(lines))) {
        debug_log("pin clipboard: the bitmap of " + std::to_string(width) + "x" + std::to_string(lines) +
                  " is too large");
        why = too_large(static_cast<uint64_t>(width), static_cast<uint64_t>(lines));
        return std::nullopt;
    }
    if (slow_image(static_cast<uint64_t>(width), static_cast<uint64_t>(lines))) wait.show();
    return bitmap_from_hbitmap(bitmap);
}

const char* refusal_text(DibRefusal refusal) {
    switch (refusal) {
        case DibRefusal::Malformed: return "does not fit its block";
        case DibRefusal::Empty: return "is empty";
        case DibRefusal::TooLarge: return "is too large";
        case DibRefusal::Unsupported: return "is compressed or of an unknown depth";
    }
    return "";
}

// A CF_DIB or CF_DIBV5 block, read only after its header agrees with the block's real size.
std::optional<DibBitmap> image_of_dib(UINT format, Why& why, WaitCursor& wait) {
    const HANDLE block = GetClipboardData(format);
    if (!block) return std::nullopt;
    const size_t bytes = GlobalSize(block);
    const GlobalLockGuard lock(block);
    if (!lock) return std::nullopt;
    const std::span<const uint8_t> data(static_cast<const uint8_t*>(lock.get()), bytes);
    const DibCheck check = check_dib_block(data);
    if (const DibRefusal* refusal = std::get_if<DibRefusal>(&check)) {
        debug_log(std::string("pin clipboard: the DIB of ") + std::to_string(bytes) + " bytes " +
                  refusal_text(*refusal));
        if (*refusal == DibRefusal::TooLarge) {
            // A header that claims too many pixels is at least a BITMAPINFOHEADER long.
            int32_t width = 0, height = 0;
            std::memcpy(&width, data.data() + 4, 4);
            std::memcpy(&height, data.data() + 8, 4);
            why = too_large(static_cast<uint64_t>(width), static_cast<uint64_t>(std::abs(int64_t{height})));
        }
        return std::nullopt;
    }
    const DibLayout& layout = std::get<DibLayout>(check);
    if (slow_image(static_cast<uint64_t>(layout.width), static_cast<uint64_t>(layout.height))) wait.show();
    return bitmap_from_dib_block(layout, data);
}

// The owner's bitmap or DIB, whichever it put on the clipboard.
std::optional<DibBitmap> clipboard_bitmap(Why& why, WaitCursor& wait) {
    const ClipboardOpen clipboard;
    if (!clipboard) {
        why = busy();
        return std::nullopt;
    }
    const UINT format = owner_image_format();
    if (format == CF_BITMAP) return image_of_bitmap(why, wait);
    if (format != 0) return image_of_dib(format, why, wait);
    return std::nullopt;
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

// The first copied file, when its header names an image within the pixel limit.
std::optional<DibBitmap> image_of_file(const std::string& path, Why& why, WaitCursor& wait) {
    if (const std::optional<ImageHeader> header = image_file_header(path)) {
        if (!loadable_image_size(header->width, header->height)) {
            debug_log("pin clipboard: the file of " + std::to_string(header->width) + "x" +
                      std::to_string(header->height) + " is too large");
            why = too_large(header->width, header->height);
            return std::nullopt;
        }
        if (slow_image(header->width, header->height)) wait.show();
    }
    return load_image_file(path);
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

Result<DibBitmap> clipboard_image(float f, WaitCursor& wait) {
    std::optional<DibBitmap> image;
    Why why;
    if (IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB) ||
        IsClipboardFormatAvailable(CF_DIBV5)) {
        image = clipboard_bitmap(why, wait);
        debug_log(image ? "pin clipboard: bitmap " + size_text(*image) : "pin clipboard: no image from the bitmap");
    } else if (IsClipboardFormatAvailable(CF_HDROP)) {
        if (const std::wstring path = clipboard_first_file(why); !path.empty()) {
            image = image_of_file(from_wide(path), why, wait);
            debug_log(image ? "pin clipboard: file " + size_text(*image) : "pin clipboard: no image from the file");
        }
    }
    if (!image && IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        if (const std::optional<std::string> text = clipboard_text(why)) image = image_of_text(*text, f);
    }
    if (image) return std::move(*image);
    return why ? std::move(*why) : make_error(ui_text(NO_IMAGE_ON_CLIPBOARD));
}

Result<DibBitmap> clipboard_image(float f) {
    WaitCursor wait;
    return clipboard_image(f, wait);
}

void pin_clipboard() {
    POINT cursor{};
    GetCursorPos(&cursor);
    // Shown while a huge image is decoded, and kept until its pin has painted itself once.
    WaitCursor wait;
    Result<DibBitmap> image = clipboard_image(static_cast<float>(monitor_place_at(cursor).dpi) / 96.0f, wait);
    if (!image) return tray_balloon(PROGRAM_NAME, image.error().message);
    const HWND pin = pin_image_at_cursor(std::move(image).value());
    if (pin && wait.shown()) UpdateWindow(pin);
}
