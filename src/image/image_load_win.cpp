#include "image/image_load_win.h"

#include "gdip/gdip_win.h"
#include "image/bitmap_ops_win.h"
#include "image/image_header.h"
#include "image/pixels.h"
#include "util/text.h"
#include "win/file_source.h"

namespace gp = Gdiplus::DllExports;
using Gdiplus::Ok;

std::optional<ImageHeader> image_file_header(const std::string& path) {
    std::optional<FileSource> source = FileSource::open(path);
    if (!source) return std::nullopt;
    return read_image_header(*source);
}

std::optional<DibBitmap> load_image_file(const std::string& path) {
    // GDI+ makes the pixels a header claims while it opens the file, before it finds the data
    // short: a few hundred bytes claiming 20000 x 20000 would cost seconds and gigabytes. The
    // file's own header decides first.
    {
        const std::optional<ImageHeader> header = image_file_header(path);
        if (!header || !loadable_image_size(header->width, header->height)) return std::nullopt;
    }
    ensure_gdiplus_started();
    const std::wstring wide = to_wide(path);
    Gdiplus::GpBitmap* raw = nullptr;
    if (gp::GdipCreateBitmapFromFile(wide.c_str(), &raw) != Ok || !raw) return std::nullopt;
    GdipImage image(raw);
    // What GDI+ found may still differ from the header read above (another frame, a changed file).
    UINT width = 0;
    UINT height = 0;
    if (gp::GdipGetImageWidth(raw, &width) != Ok || gp::GdipGetImageHeight(raw, &height) != Ok ||
        !loadable_image_size(width, height)) {
        return std::nullopt;
    }
    HBITMAP hbitmap = nullptr;
    const Gdiplus::GpStatus status = gp::GdipCreateHBITMAPFromBitmap(raw, &hbitmap, 0xFFFFFFFF);
    image.reset();
    Bitmap owned(hbitmap);
    if (status != Ok || !owned) return std::nullopt;
    return bitmap_from_hbitmap(owned.get());
}
