#include "image/image_file_win.h"

#include <commdlg.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "image/file_names.h"
#include "image/pdf_writer.h"
#include "image/png_writer.h"
#include "strings/ui_strings.h"
#include "util/fatal.h"
#include "util/log.h"
#include "util/text.h"
#include "win/env.h"
#include "win/error.h"
#include "win/file_io.h"
#include "win/handles.h"
#include "win/shell.h"

UiCell<SaveDialogState> SAVE_DIALOG_STATE;

namespace {

namespace gp = Gdiplus::DllExports;

constexpr GUID JPEG_ENCODER_CLSID = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr GUID ENCODER_QUALITY = {0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
constexpr ULONG JPEG_QUALITY = 92;
constexpr DWORD SAVE_DIALOG_FLAGS = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
// Long enough for any path the system accepts, so a long typed name is never refused.
constexpr size_t SAVE_DIALOG_BUFFER = 32768;
static_assert(SAVE_DIALOG_FLAGS == 0x8080A);
static_assert(sizeof(OPENFILENAMEW) == 152);

DateTimeFields fields_of(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string local_name_stem() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return name_stem(fields_of(now));
}

}  // namespace

Status write_png(const uint32_t* pixels, size_t pixel_count, int32_t width, int32_t height,
                 const std::string& path) {
    if (width < 1 || height < 1) return make_error("PNG encoder: the image has no pixels");
    return write_file_replacing(path, [&](ByteSink& sink) {
        return encode_png(pixels, pixel_count, static_cast<uint32_t>(width), static_cast<uint32_t>(height), sink);
    });
}

Result<std::vector<uint8_t>> encode_jpeg_gdip(const DibBitmap& bitmap) {
    GdiFlush();
    ensure_gdiplus_started();
    if (!bitmap.bits || bitmap.width < 1 || bitmap.height < 1 || bitmap.width > INT_MAX / 4) {
        return make_error("GDI+ bitmap");
    }
    Gdiplus::GpBitmap* raw = nullptr;
    const Gdiplus::GpStatus created =
        gp::GdipCreateBitmapFromScan0(bitmap.width, bitmap.height, bitmap.width * 4, PixelFormat32bppRGB,
                                      reinterpret_cast<BYTE*>(bitmap.bits), &raw);
    GdipImage image(raw);
    if (created != Gdiplus::Ok || !raw) return make_error("GDI+ bitmap");

    ComPtr<IStream> stream;
    if (const HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream); FAILED(hr)) {
        return error_from_hresult(hr);
    }
    ULONG quality = JPEG_QUALITY;
    Gdiplus::EncoderParameters params{};
    params.Count = 1;
    params.Parameter[0].Guid = ENCODER_QUALITY;
    params.Parameter[0].NumberOfValues = 1;
    params.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    params.Parameter[0].Value = &quality;
    if (gp::GdipSaveImageToStream(image.get(), stream.Get(), &JPEG_ENCODER_CLSID, &params) != Gdiplus::Ok) {
        return make_error("JPEG encoder failed");
    }

    STATSTG stat{};
    if (const HRESULT hr = stream->Stat(&stat, STATFLAG_NONAME); FAILED(hr)) return error_from_hresult(hr);
    HGLOBAL memory = nullptr;
    if (const HRESULT hr = GetHGlobalFromStream(stream.Get(), &memory); FAILED(hr)) return error_from_hresult(hr);
    const size_t size = static_cast<size_t>(stat.cbSize.QuadPart);
    if (size == 0 || size > GlobalSize(memory)) return make_error("JPEG encoder failed");
    GlobalLockGuard lock(memory);
    if (!lock) return last_error();
    const auto* bytes = static_cast<const uint8_t*>(lock.get());
    return std::vector<uint8_t>(bytes, bytes + size);
}

Status write_jpeg_gdip(const DibBitmap& bitmap, const std::string& path) {
    Result<std::vector<uint8_t>> jpeg = encode_jpeg_gdip(bitmap);
    if (!jpeg) return jpeg.error();
    return write_file_replacing(path, jpeg.value());
}

Status save_image(const DibBitmap& bitmap, const std::string& path) {
    switch (image_format_for_path(path)) {
    case ImageFormat::Jpeg:
        return write_jpeg_gdip(bitmap, path);
    case ImageFormat::Pdf: {
        Result<std::vector<uint8_t>> jpeg = encode_jpeg_gdip(bitmap);
        if (!jpeg) return jpeg.error();
        return write_file_replacing(path, write_pdf_with_jpeg(jpeg.value(), static_cast<uint32_t>(bitmap.width),
                                                              static_cast<uint32_t>(bitmap.height)));
    }
    case ImageFormat::Png:
        break;
    }
    GdiFlush();
    return write_png(bitmap.bits, bitmap.pixel_count(), bitmap.width, bitmap.height, path);
}

std::string auto_save_path(const std::string& folder, std::string_view extension) {
    const std::string stem = join_path(folder, local_name_stem());
    return next_free_name(stem, extension, path_exists);
}

std::optional<std::string> ask_save_path(HWND owner, const std::string& save_folder, bool* failed) {
    if (failed) *failed = false;
    // Copied out: the dialog pumps messages, so no cell stays borrowed across it.
    std::optional<std::string> remembered = SAVE_DIALOG_STATE.borrow()->folder;
    const std::wstring initial_dir = to_wide(remembered ? *remembered : save_folder);

    const std::wstring default_name = to_wide(local_name_stem() + ".png");
    if (default_name.size() >= SAVE_DIALOG_BUFFER) fatal_invariant("default file name too long");
    std::vector<wchar_t> buffer(SAVE_DIALOG_BUFFER, L'\0');
    std::wmemcpy(buffer.data(), default_name.data(), default_name.size());

    const std::wstring filter =
        build_filter_string(ui_text(FILTER_PNG), ui_text(FILTER_JPEG), ui_text(FILTER_PDF));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
    ofn.lpstrDefExt = L"png";
    ofn.Flags = SAVE_DIALOG_FLAGS;
    if (!GetSaveFileNameW(&ofn)) {
        // Zero is the user's cancel; anything else is the dialog's own failure.
        if (const DWORD code = CommDlgExtendedError(); code != 0) {
            char text[48];
            std::snprintf(text, sizeof text, "GetSaveFileNameW: 0x%lX", static_cast<unsigned long>(code));
            debug_log(std::string("save dialog failed: ") + text);
            tray_balloon(ui_text(SAVE_FAILED), text);
            if (failed) *failed = true;
        }
        return std::nullopt;
    }

    buffer.back() = L'\0';
    const std::string path = from_wide(std::wstring_view(buffer.data()));
    std::string folder = parent_path(path);
    SAVE_DIALOG_STATE.borrow()->folder =
        folder.empty() ? std::nullopt : std::optional<std::string>(std::move(folder));
    return path;
}
