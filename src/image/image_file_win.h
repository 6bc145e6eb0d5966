#pragma once
// PNG, JPEG and PDF files, automatic names and the Save As dialog. Every writer returns the
// error text that the caller shows in the "Save failed" balloon; none shows anything itself.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/png_writer.h"
#include "util/result.h"
#include "util/ui_cell.h"

class DibBitmap;

// The folder of the file chosen last in Save As in this process; never written to disk.
struct SaveDialogState {
    std::optional<std::string> folder;
};
extern thread_local UiCell<SaveDialogState> SAVE_DIALOG_STATE;

// A file is replaced whole or not at all. The bytes go to a temporary file in the target's
// folder (temp_path, or a fresh unique name there when empty); only after every write, the
// flush and the close succeeded is it moved over the target. On failure the temporary file is
// deleted and an existing target is left as it was.
Status write_file_replacing(const std::string& path, const std::function<Status(ByteSink&)>& produce,
                            const std::string& temp_path = {});
Status write_file_replacing(const std::string& path, const std::vector<uint8_t>& bytes);

// 32-bit DIB values, top-down, after GdiFlush; written as an 8-bit RGB PNG.
Status write_png(const uint32_t* pixels, size_t pixel_count, int32_t width, int32_t height,
                 const std::string& path);
// JPEG at quality 92 through GDI+, in memory. Errors "GDI+ bitmap" and "JPEG encoder failed".
Result<std::vector<uint8_t>> encode_jpeg_gdip(const DibBitmap& bitmap);
Status write_jpeg_gdip(const DibBitmap& bitmap, const std::string& path);
// PNG, JPEG or PDF by the path's extension (PNG when it is none of jpg, jpeg, pdf).
Status save_image(const DibBitmap& bitmap, const std::string& path);

// A free "Ormick_YYYYMMDD_HHMMSS[_N].ext" in the save folder.
std::string auto_save_path(std::string_view extension);
// The Save As dialog (modal, pumps messages); none when the user cancels.
std::optional<std::string> ask_save_path(HWND owner);
