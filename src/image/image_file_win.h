#pragma once
// PNG, JPEG and PDF files, automatic names and the Save As dialog. Every writer returns the
// error text that the caller shows in the "Save failed" balloon; none shows anything itself.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/result.h"
#include "util/ui_cell.h"

class DibBitmap;

// The folder of the file chosen last in Save As in this process; never written to disk.
struct SaveDialogState {
    std::optional<std::string> folder;
};
extern UiCell<SaveDialogState> SAVE_DIALOG_STATE;

// 32-bit DIB values, top-down, after GdiFlush; written as an 8-bit RGB PNG.
Status write_png(const uint32_t* pixels, size_t pixel_count, int32_t width, int32_t height,
                 const std::string& path);
// JPEG at quality 92 through GDI+, in memory. Errors "GDI+ bitmap" and "JPEG encoder failed".
Result<std::vector<uint8_t>> encode_jpeg_gdip(const DibBitmap& bitmap);
Status write_jpeg_gdip(const DibBitmap& bitmap, const std::string& path);
// PNG, JPEG or PDF by the path's extension (PNG when it is none of jpg, jpeg, pdf).
Status save_image(const DibBitmap& bitmap, const std::string& path);

// A free "Ormick_YYYYMMDD_HHMMSS[_N].ext" in `folder` (the caller's effective_save_dir).
std::string auto_save_path(const std::string& folder, std::string_view extension);
// The Save As dialog (modal, pumps messages), opening in the folder it last saved to, else in
// `save_folder`; none when the user cancels or the dialog fails. A failure is shown in a balloon
// and reported through `failed`.
std::optional<std::string> ask_save_path(HWND owner, const std::string& save_folder, bool* failed = nullptr);
